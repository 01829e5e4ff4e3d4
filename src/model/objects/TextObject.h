// SPDX-License-Identifier: MIT
#pragma once

#include "model/data/ZpData.h"
#include "model/objects/RVData.h"
#include "model/objects/Styles.h"
#include "model/objects/ZpObject.h"
#include "model/script/ZpScript.h"

namespace zp {

/// The label object that shows text: a small rich-text document fed by the
/// object's data source, in the object's font, over its fill. This holds its
/// stored state and record; laying out, drawing and editing the document
/// build on it.
class TZpTextObject : public TZpObject, public IZpRotation {
public:
    /// Defaults from the store's "Text Settings".
    TZpTextObject();
    void* QueryInterface(const std::type_info& iid) override;
    [[nodiscard]] QString GetClassName() const override { return QStringLiteral("TZpTextObject"); }
    [[nodiscard]] int CursorId() const override { return 2000; }

    void LoadFromStream(TZpReader& reader) override;
    void SaveToStream(TZpWriter& writer) override;

    [[nodiscard]] int32_t GetRotation() const override { return FRotation; }
    /// Turns the bounds about the top-left corner; refused with a message
    /// when the face cannot be rotated.
    void SetRotation(int32_t degrees) override;
    void SetRotationExact(int32_t degrees) override { FRotation = degrees; }

    [[nodiscard]] TZpFont& Font() { return FFont; }
    [[nodiscard]] TZpData& Data() { return FData; }
    [[nodiscard]] TZpFillStyle& FillStyle() { return FFillStyle; }
    [[nodiscard]] TZpScript& Script() { return FScript; }
    [[nodiscard]] TZpRVData& RVData() { return FRVData; }
    [[nodiscard]] int32_t EditZoom() const { return FEditZoom; }
    void SetEditZoom(int32_t percent) { FEditZoom = percent; }

private:
    TZpFont FFont{this};
    TZpData FData{this};
    TZpFillStyle FFillStyle{this};
    TZpScript FScript{this};
    int32_t FRotation = 0;
    TZpRVData FRVData;
    int32_t FEditZoom = 100;
};

/// The turn of text and bar code objects: unless it is exactly 180 degrees,
/// width and height of the bounds are exchanged about the top-left corner
/// and the aspect rectangle follows. False (after the message) when a face
/// that cannot be rotated would be turned away from zero.
[[nodiscard]] bool TurnObject(TZpObject& obj, const QString& fontName, int32_t from, int32_t to);

} // namespace zp
