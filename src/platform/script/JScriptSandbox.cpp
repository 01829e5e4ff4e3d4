// SPDX-License-Identifier: MIT
#include "platform/script/JScriptSandbox.h"

#include <QJSEngine>
#include <QSet>

namespace zp {

namespace {

// The global properties ECMAScript defines (ECMA-262 clause 19 and the
// Annex B functions escape and unescape), Proxy left out.
const QSet<QString>& EcmaScriptGlobals() {
    static const QSet<QString> names{QStringLiteral("globalThis"),
                                     QStringLiteral("Infinity"),
                                     QStringLiteral("NaN"),
                                     QStringLiteral("undefined"),
                                     QStringLiteral("eval"),
                                     QStringLiteral("isFinite"),
                                     QStringLiteral("isNaN"),
                                     QStringLiteral("parseFloat"),
                                     QStringLiteral("parseInt"),
                                     QStringLiteral("decodeURI"),
                                     QStringLiteral("decodeURIComponent"),
                                     QStringLiteral("encodeURI"),
                                     QStringLiteral("encodeURIComponent"),
                                     QStringLiteral("escape"),
                                     QStringLiteral("unescape"),
                                     QStringLiteral("Array"),
                                     QStringLiteral("ArrayBuffer"),
                                     QStringLiteral("Boolean"),
                                     QStringLiteral("DataView"),
                                     QStringLiteral("Date"),
                                     QStringLiteral("Error"),
                                     QStringLiteral("EvalError"),
                                     QStringLiteral("Float32Array"),
                                     QStringLiteral("Float64Array"),
                                     QStringLiteral("Function"),
                                     QStringLiteral("Int8Array"),
                                     QStringLiteral("Int16Array"),
                                     QStringLiteral("Int32Array"),
                                     QStringLiteral("Map"),
                                     QStringLiteral("Number"),
                                     QStringLiteral("Object"),
                                     QStringLiteral("Promise"),
                                     QStringLiteral("RangeError"),
                                     QStringLiteral("ReferenceError"),
                                     QStringLiteral("RegExp"),
                                     QStringLiteral("Set"),
                                     QStringLiteral("SharedArrayBuffer"),
                                     QStringLiteral("String"),
                                     QStringLiteral("Symbol"),
                                     QStringLiteral("SyntaxError"),
                                     QStringLiteral("TypeError"),
                                     QStringLiteral("Uint8Array"),
                                     QStringLiteral("Uint8ClampedArray"),
                                     QStringLiteral("Uint16Array"),
                                     QStringLiteral("Uint32Array"),
                                     QStringLiteral("URIError"),
                                     QStringLiteral("WeakMap"),
                                     QStringLiteral("WeakSet"),
                                     QStringLiteral("Atomics"),
                                     QStringLiteral("JSON"),
                                     QStringLiteral("Math"),
                                     QStringLiteral("Reflect")};
    return names;
}

// Walks every object reachable from the global object and the intrinsic
// prototypes that have no global name, and puts a forwarder in place of each
// built-in function that is not a constructor. eval stays itself, so that
// direct eval keeps its scope (it calls nothing by name). Then the size and
// pattern checks go in front of the built-ins they guard.
const char* const kLockDownSource = R"((function (global, maxNesting, maxLength) {
    var apply = Reflect.apply, construct = Reflect.construct, ownKeys = Reflect.ownKeys;
    var describe = Object.getOwnPropertyDescriptor, define = Object.defineProperty, protoOf = Object.getPrototypeOf;
    var fnText = Function.prototype.toString, indexOf = String.prototype.indexOf;
    // Visited objects and made forwarders are marked with symbol-keyed
    // properties, removed at the end: the engine's Set and Map search linearly.
    var seenMark = Symbol(), forwarderMark = Symbol(), nativeMark = Symbol(), marked = [], sealedSeen = [];
    var isExtensible = Object.isExtensible;
    var NativeRegExp = RegExp, nativeEval = eval, NativeSyntaxError = SyntaxError, NativeRangeError = RangeError;

    function isPlainBuiltin(f) {
        return typeof f === "function" && f !== nativeEval && describe(f, "prototype") === undefined
            && apply(indexOf, apply(fnText, f, []), ["[native code]"]) >= 0;
    }
    function mark(o, key, value) {
        if (!isExtensible(o))
            return;
        define(o, key, { value: value, configurable: true });
        marked[marked.length] = o;
    }
    function seenBefore(o) {
        if (isExtensible(o)) {
            if (describe(o, seenMark))
                return true;
            mark(o, seenMark, true);
            return false;
        }
        for (var i = 0; i < sealedSeen.length; i++)
            if (sealedSeen[i] === o)
                return true;
        sealedSeen[sealedSeen.length] = o;
        return false;
    }
    function forwarder(f) {
        var known = describe(f, forwarderMark);
        if (known)
            return known.value;
        var w = function () {
            return new.target === undefined ? apply(f, this, arguments) : construct(f, arguments, new.target);
        };
        define(w, "name", { value: f.name, configurable: true });
        define(w, "length", { value: f.length, configurable: true });
        mark(f, forwarderMark, w);
        mark(w, nativeMark, f);
        return w;
    }
    // The built-in behind a forwarder, so that a guard calls it directly.
    function nativeOf(w) {
        var d = describe(w, nativeMark);
        return d ? d.value : w;
    }
    function visit(o) {
        if (o === null || (typeof o !== "object" && typeof o !== "function") || seenBefore(o))
            return;
        var keys = ownKeys(o);
        for (var k = 0; k < keys.length; k++) {
            if (keys[k] === seenMark || keys[k] === forwarderMark || keys[k] === nativeMark)
                continue;
            var d = describe(o, keys[k]);
            if (d.get || d.set) {
                visit(d.get);
                visit(d.set);
                if (!d.configurable)
                    continue;
                if (isPlainBuiltin(d.get))
                    d.get = forwarder(d.get);
                if (isPlainBuiltin(d.set))
                    d.set = forwarder(d.set);
                define(o, keys[k], d);
                continue;
            }
            visit(d.value);
            if (isPlainBuiltin(d.value) && (d.writable || d.configurable)) {
                d.value = forwarder(d.value);
                define(o, keys[k], d);
            }
        }
        visit(protoOf(o));
    }

    function nesting(text) {
        var depth = 0, deepest = 0;
        for (var i = 0; i < text.length; i++) {
            var c = text.charCodeAt(i);
            if (c === 92)
                i++;
            else if (c === 40 && ++depth > deepest)
                deepest = depth;
            else if (c === 41 && depth > 0)
                depth--;
        }
        return deepest;
    }
    function checkPattern(pattern) {
        if (typeof pattern === "string" && nesting(pattern) > maxNesting)
            throw new NativeSyntaxError("Regular expression too deeply nested");
    }
    // A constructor that checks its arguments first; statics and the
    // prototype stay the native one's.
    function guardConstructor(name, check, Native) {
        Native = Native || global[name];
        if (typeof Native !== "function")
            return;
        var Safe = function () {
            check(arguments);
            return new.target === undefined ? apply(Native, this, arguments) : construct(Native, arguments, new.target);
        };
        var keys = ownKeys(Native);
        for (var k = 0; k < keys.length; k++)
            if (keys[k] !== "length" && keys[k] !== "name" && keys[k] !== seenMark)
                define(Safe, keys[k], describe(Native, keys[k]));
        define(Safe, "name", { value: name, configurable: true });
        define(Safe, "length", { value: Native.length, configurable: true });
        Object.setPrototypeOf(Safe, protoOf(Native));
        define(Native.prototype, "constructor", { value: Safe, writable: true, configurable: true });
        if (global[name] === Native)
            define(global, name, { value: Safe, writable: true, configurable: true });
    }
    // Every method of owner checks this and the arguments first.
    function guardMethods(owner, check) {
        var keys = ownKeys(owner);
        for (var k = 0; k < keys.length; k++) {
            var d = describe(owner, keys[k]);
            if (keys[k] === "constructor" || typeof d.value !== "function" || !d.configurable)
                continue;
            d.value = guarded(d.value, check);
            define(owner, keys[k], d);
        }
    }
    function guarded(inner, check) {
        var target = nativeOf(inner);
        var g = function () {
            check(this, arguments);
            return apply(target, this, arguments);
        };
        define(g, "name", { value: inner.name, configurable: true });
        define(g, "length", { value: inner.length, configurable: true });
        return g;
    }
    function guardMethod(owner, name, check) {
        var d = describe(owner, name);
        if (!d || typeof d.value !== "function")
            return;
        d.value = guarded(d.value, check);
        define(owner, name, d);
    }

    visit(global);
    visit(protoOf(function* () {}));
    visit(protoOf(function* () {}()));
    visit(protoOf([][Symbol.iterator]()));
    visit(protoOf(""[Symbol.iterator]()));
    visit(protoOf(new Map()[Symbol.iterator]()));
    visit(protoOf(new Set()[Symbol.iterator]()));

    // Native loops over huge arrays and texts neither stop at the time limit
    // nor ask before taking gigabytes; nothing a label needs comes near the limit.
    function tooLarge() { throw new NativeRangeError("Too large for a label script"); }
    function count(n) { n = +n; return n === n ? n : 0; }
    function lengthOf(o) { return o !== null && (typeof o === "object" || typeof o === "function") ? count(o.length) : 0; }
    function checkSelf(self, args) { if (lengthOf(self) > maxLength) tooLarge(); }
    function checkFirst(args) { if (lengthOf(args[0]) > maxLength) tooLarge(); }
    function checkSize(args) { if (typeof args[0] !== "object" && count(args[0]) > maxLength) tooLarge(); }
    guardMethods(Array.prototype, checkSelf);
    guardMethods(protoOf(Int8Array.prototype), checkSelf);
    guardMethod(Array, "from", function (self, args) { checkFirst(args); });
    guardMethod(protoOf(Int8Array), "from", function (self, args) { checkFirst(args); });
    var textLength = function (self) { return typeof self === "string" ? self.length : lengthOf(self); };
    // A text built by doubling costs nothing until something reads it whole.
    guardMethods(String.prototype, function (self, args) { if (textLength(self) > maxLength) tooLarge(); });
    guardMethods(NativeRegExp.prototype, function (self, args) {
        if (typeof args[0] === "string" && args[0].length > maxLength) tooLarge();
    });
    guardMethod(String.prototype, "repeat", function (self, args) {
        if (textLength(self) * count(args[0]) > maxLength) tooLarge();
    });
    var padCheck = function (self, args) { if (count(args[0]) > maxLength) tooLarge(); };
    guardMethod(String.prototype, "padStart", padCheck);
    guardMethod(String.prototype, "padEnd", padCheck);
    var names = ["ArrayBuffer", "SharedArrayBuffer", "Int8Array", "Uint8Array", "Uint8ClampedArray", "Int16Array",
                 "Uint16Array", "Int32Array", "Uint32Array", "Float32Array", "Float64Array"];
    for (var i = 0; i < names.length; i++)
        guardConstructor(names[i], function (args) { checkSize(args); checkFirst(args); });
    guardConstructor("RegExp", function (args) { checkPattern(args[0]); });

    // Code made from text at run time may hold a pattern literal as deep as
    // any: eval and every function constructor check their texts. eval thus
    // becomes an indirect eval, which sees the script's globals only.
    var allTexts = function (args) {
        for (var i = 0; i < args.length; i++)
            checkPattern(args[i]);
    };
    guardConstructor("Function", allTexts);
    guardConstructor("GeneratorFunction", allTexts, protoOf(function* () {}).constructor);
    define(global, "eval", { value: function eval(x) { checkPattern(x); return nativeEval(x); },
                             writable: true, configurable: true });

    // A replacement at every position of a long text multiplies its size.
    guardMethod(String.prototype, "replace", function (self, args) {
        if ((textLength(self) + 1) * (typeof args[1] === "string" ? args[1].length + 1 : 1) > maxLength) tooLarge();
    });

    var firstArgument = function (self, args) { checkPattern(args[0]); };
    guardMethod(String.prototype, "match", firstArgument);
    guardMethod(String.prototype, "matchAll", firstArgument);
    guardMethod(String.prototype, "search", firstArgument);
    guardMethod(NativeRegExp.prototype, "compile", firstArgument);

    // The marks go before any script can see them.
    var deleteProperty = Reflect.deleteProperty;
    for (var m = 0; m < marked.length; m++) {
        deleteProperty(marked[m], seenMark);
        deleteProperty(marked[m], forwarderMark);
        deleteProperty(marked[m], nativeMark);
    }
}))";

} // namespace

qsizetype NestingExceededAt(const QString& text, int limit) {
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\\')
            ++i;
        else if (c == u'(' && ++depth > limit)
            return i;
        else if (c == u')' && depth > 0)
            --depth;
    }
    return -1;
}

bool LockDownGlobals(QJSEngine& engine) {
    QJSValue global = engine.globalObject();
    const QJSValue names = engine.evaluate(QStringLiteral("Object.getOwnPropertyNames(this)"));
    const int count = names.property(QStringLiteral("length")).toInt();
    for (int i = 0; i < count; ++i) {
        const QString name = names.property(quint32(i)).toString();
        if (!EcmaScriptGlobals().contains(name))
            global.deleteProperty(name);
    }
    const QJSValue lockDown = engine.evaluate(QString::fromLatin1(kLockDownSource));
    const QJSValue result = lockDown.call({global, kMaxPatternNesting, kMaxScriptLength});
    return !lockDown.isError() && !result.isError();
}

} // namespace zp
