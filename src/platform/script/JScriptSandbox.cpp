// SPDX-License-Identifier: MIT
#include "platform/script/JScriptSandbox.h"

#include <QJSEngine>
#include <QSet>

namespace zp {

namespace {

// The global properties ECMAScript defines (ECMA-262 clause 19 and the
// Annex B functions escape and unescape), Proxy left out.
const QSet<QString>& EcmaScriptGlobals() {
    static const QSet<QString> names{
        QStringLiteral("globalThis"), QStringLiteral("Infinity"), QStringLiteral("NaN"),
        QStringLiteral("undefined"), QStringLiteral("eval"), QStringLiteral("isFinite"),
        QStringLiteral("isNaN"), QStringLiteral("parseFloat"), QStringLiteral("parseInt"),
        QStringLiteral("decodeURI"), QStringLiteral("decodeURIComponent"), QStringLiteral("encodeURI"),
        QStringLiteral("encodeURIComponent"), QStringLiteral("escape"), QStringLiteral("unescape"),
        QStringLiteral("Array"), QStringLiteral("ArrayBuffer"), QStringLiteral("Boolean"),
        QStringLiteral("DataView"), QStringLiteral("Date"), QStringLiteral("Error"),
        QStringLiteral("EvalError"), QStringLiteral("Float32Array"), QStringLiteral("Float64Array"),
        QStringLiteral("Function"), QStringLiteral("Int8Array"), QStringLiteral("Int16Array"),
        QStringLiteral("Int32Array"), QStringLiteral("Map"), QStringLiteral("Number"),
        QStringLiteral("Object"), QStringLiteral("Promise"), QStringLiteral("RangeError"),
        QStringLiteral("ReferenceError"), QStringLiteral("RegExp"), QStringLiteral("Set"),
        QStringLiteral("SharedArrayBuffer"), QStringLiteral("String"), QStringLiteral("Symbol"),
        QStringLiteral("SyntaxError"), QStringLiteral("TypeError"), QStringLiteral("Uint8Array"),
        QStringLiteral("Uint8ClampedArray"), QStringLiteral("Uint16Array"), QStringLiteral("Uint32Array"),
        QStringLiteral("URIError"), QStringLiteral("WeakMap"), QStringLiteral("WeakSet"),
        QStringLiteral("Atomics"), QStringLiteral("JSON"), QStringLiteral("Math"), QStringLiteral("Reflect")};
    return names;
}

// Walks every object reachable from the global object and the intrinsic
// prototypes that have no global name, and puts a forwarder in place of each
// built-in function that is not a constructor. eval stays itself, so that
// direct eval keeps its scope (it calls nothing by name). The pattern checks
// guard RegExp and the string methods that make a pattern of a text.
const char* const kLockDownSource = R"((function (global, maxNesting) {
    var apply = Reflect.apply, construct = Reflect.construct, ownKeys = Reflect.ownKeys;
    var describe = Object.getOwnPropertyDescriptor, define = Object.defineProperty, protoOf = Object.getPrototypeOf;
    var fnText = Function.prototype.toString, indexOf = String.prototype.indexOf;
    var seen = new Set(), setHas = Set.prototype.has, setAdd = Set.prototype.add;
    var wrappers = new Map(), mapGet = Map.prototype.get, mapSet = Map.prototype.set;
    var NativeRegExp = RegExp, nativeEval = eval, NativeSyntaxError = SyntaxError;

    function isPlainBuiltin(f) {
        return typeof f === "function" && f !== nativeEval && describe(f, "prototype") === undefined
            && apply(indexOf, apply(fnText, f, []), ["[native code]"]) >= 0;
    }
    function forwarder(f) {
        var w = apply(mapGet, wrappers, [f]);
        if (w)
            return w;
        w = function () {
            return new.target === undefined ? apply(f, this, arguments) : construct(f, arguments, new.target);
        };
        define(w, "name", { value: f.name, configurable: true });
        define(w, "length", { value: f.length, configurable: true });
        apply(mapSet, wrappers, [f, w]);
        return w;
    }
    function visit(o) {
        if (o === null || (typeof o !== "object" && typeof o !== "function") || apply(setHas, seen, [o]))
            return;
        apply(setAdd, seen, [o]);
        var keys = ownKeys(o);
        for (var k = 0; k < keys.length; k++) {
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
    function guard(owner, name, makesPattern) {
        var f = describe(owner, name);
        if (!f || typeof f.value !== "function")
            return;
        var inner = f.value;
        f.value = function () {
            makesPattern(arguments);
            return apply(inner, this, arguments);
        };
        define(owner, name, f);
    }
    var SafeRegExp = function RegExp(pattern, flags) {
        checkPattern(pattern);
        return new.target === undefined ? apply(NativeRegExp, this, arguments)
                                        : construct(NativeRegExp, arguments, new.target);
    };
    define(SafeRegExp, "prototype", { value: NativeRegExp.prototype });
    define(NativeRegExp.prototype, "constructor", { value: SafeRegExp, writable: true, configurable: true });
    define(global, "RegExp", { value: SafeRegExp, writable: true, configurable: true });

    visit(global);
    visit(protoOf(function* () {}));
    visit(protoOf(function* () {}()));
    visit(protoOf([][Symbol.iterator]()));
    visit(protoOf(""[Symbol.iterator]()));
    visit(protoOf(new Map()[Symbol.iterator]()));
    visit(protoOf(new Set()[Symbol.iterator]()));

    var firstArgument = function (args) { checkPattern(args[0]); };
    guard(String.prototype, "match", firstArgument);
    guard(String.prototype, "matchAll", firstArgument);
    guard(String.prototype, "search", firstArgument);
    guard(NativeRegExp.prototype, "compile", firstArgument);
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
    const QJSValue result = lockDown.call({global, kMaxPatternNesting});
    return !lockDown.isError() && !result.isError();
}

} // namespace zp
