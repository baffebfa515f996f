#pragma once
// A radio group's frame: a thin border with the caption set into its top
// edge, so a group as low as the account filter's (33 pixels) still holds
// its row of items inside the frame.
#include <QGroupBox>

namespace quorvel {

inline void frameAsRadioGroup(QGroupBox* box)
{
    box->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #a0a0a0; border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 7px;"
        " padding: 0 2px; }"));
}

}  // namespace quorvel
