// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/Interfaces.h"

#include <QString>
#include <memory>

namespace zp {

/// The record and object format version written by this program.
constexpr int32_t kZpObjectVersion = 22;
/// The oldest record version that can be read.
constexpr int32_t kZpOldestObjectVersion = 3;

extern const QString kIncompatibleVersionMessage;

/// The base of every label object: geometry, flags and the versioned base
/// record. Objects are held as std::shared_ptr<TZpObject>; the object list,
/// the selection and undo records share them.
class TZpObject : public IZpObject, public std::enable_shared_from_this<TZpObject> {
public:
    TZpObject();
    ~TZpObject() override = default;
    TZpObject(const TZpObject&) = delete;
    TZpObject& operator=(const TZpObject&) = delete;

    void* QueryInterface(const std::type_info& iid) override;

    [[nodiscard]] TRect GetBounds() const override { return FBounds; }
    /// Shifts (never shrinks) the rectangle so it does not start left of or
    /// above the label's origin.
    void SetBounds(const TRect& rect) override;
    void SetBoundsExact(const TRect& rect) override { FBounds = rect; }
    [[nodiscard]] TRect GetTrackRect() const override { return FTrackRect; }
    void SetTrackRect(const TRect& rect) override { FTrackRect = rect; }
    [[nodiscard]] TRect GetAspectRect() const override { return FAspectRect; }
    void SetAspectRect(const TRect& rect) override { FAspectRect = rect; }
    [[nodiscard]] uint8_t GetSizing() const override { return FSizing; }
    /// Switching to aspect-ratio sizing captures the current bounds.
    void SetSizing(uint8_t sizing) override;
    [[nodiscard]] int32_t GetVersion() const override { return FVersion; }
    void SetVersion(int32_t version) override { FVersion = version; }
    [[nodiscard]] QString GetClassName() const override = 0;
    [[nodiscard]] bool GetPrintObject() const override { return FPrintObject; }
    void SetPrintObject(bool print) override { FPrintObject = print; }
    [[nodiscard]] int32_t GetGroupId() const override { return FGroupId; }
    void SetGroupId(int32_t id) override { FGroupId = id; }
    /// Reads the base record; subclasses read theirs after it.
    void LoadFromStream(TZpReader& reader) override;
    /// Writes the base record at version 22; subclasses write theirs after it.
    void SaveToStream(TZpWriter& writer) override;
    void AssignTo(IZpObject& dest) override;
    [[nodiscard]] std::shared_ptr<TZpObject> Clone() override;
    bool EditProperties() override;

    /// The number of the cursor shown while an object of this class is placed.
    [[nodiscard]] virtual int CursorId() const { return -12; }
    /// The normalised label rectangle outside which no point hits the
    /// object, so a hit test can pass over most objects without asking what
    /// they are.
    [[nodiscard]] virtual TRect HitExtent() const;

protected:
    TRect FTrackRect;
    TRect FBounds;
    TRect FAspectRect;
    int32_t FVersion = kZpObjectVersion;
    uint8_t FSizing = szUnrestricted;
    bool FPrintObject = true;
    int32_t FGroupId = -1;
};

using TZpObjectPtr = std::shared_ptr<TZpObject>;

/// A shared reference to an interface of obj that keeps obj alive (owned
/// parts share their owner's count); null when obj lacks it.
template <class I> [[nodiscard]] std::shared_ptr<I> SupportsShared(const TZpObjectPtr& obj) {
    I* intf = Supports<I>(obj);
    return intf ? std::shared_ptr<I>(obj, intf) : nullptr;
}

/// The base normalisation: shift right/down so Left and Top are not negative.
[[nodiscard]] TRect NormalizeObjectBounds(TRect rect);

} // namespace zp
