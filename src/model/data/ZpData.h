// SPDX-License-Identifier: MIT
#pragma once

#include "data/FieldDef.h"
#include "model/objects/Styles.h"

#include <QString>
#include <memory>
#include <vector>

namespace zp {

class TZpDataConnections;

/// Kinds of data source.
enum TZpDataKind : uint8_t {
    dkStaticText = 0,
    dkDatabaseField = 1,
    dkPrompt = 2,
    dkDateTime = 3,
    dkSerialNumber = 4,
    dkLink = 5,
};

/// Units of the date adjustment.
enum TZpDateUnit : uint8_t {
    duDays = 0,
    duMonths = 1,
    duYears = 2,
    duHours = 3,
    duMinutes = 4,
    duSeconds = 5
};

/// The data source of text, bar code and picture objects: where the
/// object's current text comes from. The setters store their value and
/// nothing else.
class IZpData : public virtual IZpUnknown {
public:
    /// The data-source block; optional items follow the owning object's record version.
    virtual void LoadFromStream(TZpReader& reader) = 0;
    virtual void SaveToStream(TZpWriter& writer) = 0;
    [[nodiscard]] virtual QString GetText() const = 0;
    virtual void SetText(const QString& text) = 0;
    [[nodiscard]] virtual uint8_t GetKind() const = 0;
    virtual void SetKind(uint8_t kind) = 0;
    [[nodiscard]] virtual QString GetName() const = 0;
    virtual void SetName(const QString& name) = 0;
    [[nodiscard]] virtual TZpDataConnections* GetConnections() const = 0;
    virtual void SetConnections(TZpDataConnections* connections) = 0;
    [[nodiscard]] virtual int GetFieldCount() const = 0;
    /// The entry at index, or null outside the list.
    [[nodiscard]] virtual TZpFieldDef* GetField(int index) const = 0;
    /// Appends the entry; the source owns it from now on.
    virtual void AddField(std::unique_ptr<TZpFieldDef> entry) = 0;
    virtual void DeleteField(int index) = 0;
    [[nodiscard]] virtual int32_t GetPromptRemaining() const = 0;
    virtual void SetPromptRemaining(int32_t count) = 0;
    [[nodiscard]] virtual QString GetPromptCaption() const = 0;
    virtual void SetPromptCaption(const QString& caption) = 0;
    [[nodiscard]] virtual QString GetDateFormat() const = 0;
    virtual void SetDateFormat(const QString& format) = 0;
    [[nodiscard]] virtual int32_t GetDateAdjust() const = 0;
    virtual void SetDateAdjust(int32_t amount) = 0;
    [[nodiscard]] virtual uint8_t GetDateAdjustUnit() const = 0;
    virtual void SetDateAdjustUnit(uint8_t unit) = 0;
    [[nodiscard]] virtual QString GetSerialPrefix() const = 0;
    virtual void SetSerialPrefix(const QString& prefix) = 0;
    [[nodiscard]] virtual QString GetSerialSuffix() const = 0;
    virtual void SetSerialSuffix(const QString& suffix) = 0;
    [[nodiscard]] virtual int32_t GetSerialStart() const = 0;
    virtual void SetSerialStart(int32_t value) = 0;
    [[nodiscard]] virtual int32_t GetSerialValue() const = 0;
    virtual void SetSerialValue(int32_t value) = 0;
    [[nodiscard]] virtual int32_t GetSerialIncrement() const = 0;
    virtual void SetSerialIncrement(int32_t step) = 0;
    /// The pad character: one character, which outside the Basic Multilingual
    /// Plane takes two UTF-16 units; empty for none.
    [[nodiscard]] virtual QString GetPadChar() const = 0;
    virtual void SetPadChar(const QString& c) = 0;
    [[nodiscard]] virtual int32_t GetPadWidth() const = 0;
    virtual void SetPadWidth(int32_t width) = 0;
    [[nodiscard]] virtual int32_t GetRepeatCount() const = 0;
    virtual void SetRepeatCount(int32_t count) = 0;
    [[nodiscard]] virtual QString GetLinkName() const = 0;
    virtual void SetLinkName(const QString& name) = 0;
    [[nodiscard]] virtual bool IsLinkable() const = 0;
    /// Produces the text for the kind, lets the owner's enabled script
    /// transform it ("DataUpdated") and tells the owner its data changed.
    /// A cancelled prompt raises EZpAbort.
    virtual void Update() = 0;
    /// Serial numbering: back to the start value, one label on, one label
    /// back. A step back exactly reverses one step on; the arithmetic wraps
    /// as 32-bit two's complement.
    virtual void ResetSerial() = 0;
    virtual void NextSerial() = 0;
    virtual void PreviousSerial() = 0;
};

/// The first character of text, with both halves of a surrogate pair; empty
/// for empty text.
[[nodiscard]] QString FirstCharacter(const QString& text);

/// The data source an object owns; it answers interface queries through
/// its owner.
class TZpData final : public IZpData, public TZpOwnedPart {
public:
    explicit TZpData(IZpUnknown* owner = nullptr) : TZpOwnedPart(owner) {}
    TZpData(const TZpData&) = delete;
    TZpData& operator=(const TZpData&) = delete;
    void* QueryInterface(const std::type_info& iid) override;

    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;
    /// The block as an object of record version ov stores it.
    void LoadFromStream(TZpReader& reader, int32_t ov);

    [[nodiscard]] QString GetText() const override { return FText; }
    void SetText(const QString& text) override { FText = text; }
    [[nodiscard]] uint8_t GetKind() const override { return FKind; }
    void SetKind(uint8_t kind) override { FKind = kind; }
    [[nodiscard]] QString GetName() const override { return FName; }
    void SetName(const QString& name) override { FName = name; }
    [[nodiscard]] TZpDataConnections* GetConnections() const override { return FConnections; }
    void SetConnections(TZpDataConnections* connections) override { FConnections = connections; }
    [[nodiscard]] int GetFieldCount() const override { return int(FFields.size()); }
    [[nodiscard]] TZpFieldDef* GetField(int index) const override;
    void AddField(std::unique_ptr<TZpFieldDef> entry) override;
    void DeleteField(int index) override;
    [[nodiscard]] int32_t GetPromptRemaining() const override { return FPromptRemaining; }
    void SetPromptRemaining(int32_t count) override { FPromptRemaining = count; }
    [[nodiscard]] QString GetPromptCaption() const override { return FPromptCaption; }
    void SetPromptCaption(const QString& caption) override { FPromptCaption = caption; }
    [[nodiscard]] QString GetDateFormat() const override { return FDateFormat; }
    void SetDateFormat(const QString& format) override { FDateFormat = format; }
    [[nodiscard]] int32_t GetDateAdjust() const override { return FDateAdjust; }
    void SetDateAdjust(int32_t amount) override { FDateAdjust = amount; }
    [[nodiscard]] uint8_t GetDateAdjustUnit() const override { return FDateAdjustUnit; }
    void SetDateAdjustUnit(uint8_t unit) override { FDateAdjustUnit = unit; }
    [[nodiscard]] QString GetSerialPrefix() const override { return FSerialPrefix; }
    void SetSerialPrefix(const QString& prefix) override { FSerialPrefix = prefix; }
    [[nodiscard]] QString GetSerialSuffix() const override { return FSerialSuffix; }
    void SetSerialSuffix(const QString& suffix) override { FSerialSuffix = suffix; }
    [[nodiscard]] int32_t GetSerialStart() const override { return FSerialStart; }
    void SetSerialStart(int32_t value) override { FSerialStart = value; }
    [[nodiscard]] int32_t GetSerialValue() const override { return FSerialValue; }
    void SetSerialValue(int32_t value) override { FSerialValue = value; }
    [[nodiscard]] int32_t GetSerialIncrement() const override { return FSerialIncrement; }
    void SetSerialIncrement(int32_t step) override { FSerialIncrement = step; }
    [[nodiscard]] QString GetPadChar() const override { return FPadChar; }
    void SetPadChar(const QString& c) override { FPadChar = FirstCharacter(c); }
    [[nodiscard]] int32_t GetPadWidth() const override { return FPadWidth; }
    void SetPadWidth(int32_t width) override { FPadWidth = width; }
    [[nodiscard]] int32_t GetRepeatCount() const override { return FRepeatCount; }
    void SetRepeatCount(int32_t count) override { FRepeatCount = count; }
    [[nodiscard]] QString GetLinkName() const override { return FLinkName; }
    void SetLinkName(const QString& name) override { FLinkName = name; }
    [[nodiscard]] bool IsLinkable() const override { return true; }
    void Update() override;
    void ResetSerial() override;
    void NextSerial() override;
    void PreviousSerial() override;
    /// Labels that have used the current serial number so far.
    [[nodiscard]] int32_t GetRepeatCounter() const { return FRepeatCounter; }

private:
    void UpdateDatabaseFields();
    void UpdatePrompt();

    std::vector<std::unique_ptr<TZpFieldDef>> FFields;
    QString FText;
    uint8_t FKind = dkStaticText;
    TZpDataConnections* FConnections = nullptr;
    QString FPromptCaption;
    int32_t FPromptRemaining = 0;
    QString FDateFormat;
    int32_t FDateAdjust = 0;
    uint8_t FDateAdjustUnit = duDays;
    QString FSerialPrefix;
    QString FSerialSuffix;
    int32_t FSerialValue = 1;
    int32_t FSerialStart = 1;
    int32_t FSerialIncrement = 1;
    QString FPadChar;
    int32_t FPadWidth = 0;
    int32_t FRepeatCount = 0;
    int32_t FRepeatCounter = 0;
    QString FName;
    QString FLinkName;
};

} // namespace zp
