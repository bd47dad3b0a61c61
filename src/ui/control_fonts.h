#pragma once
// The font of a label, edit box, button, hyperlink box, check box or radio button, made from the
// logical font record its data stores.
#include <memory>

#include "desktop/text/font.h"
#include "ui/description/kind_data.h"

namespace ui {

// The record the control's font is made from: a copy of the stored one with the character set,
// precisions, quality and pitch/family replaced (height, width, weight, italic, underline,
// strike-out and face name stay as stored).
desktop::LogFont ControlFontRecord(const desktop::LogFont& stored);

// The control's font: made from ControlFontRecord of the stored record; the default GUI font when
// no record is stored or no font can be made for it.
std::shared_ptr<desktop::Font> MakeControlFont(const description::FontField& stored);

}  // namespace ui
