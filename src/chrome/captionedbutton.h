#pragma once

class QLabel;
class QRect;
class QSize;
class QString;
class QWidget;

namespace kw {

class Pictures;
class PictureButton;

// A skin button with its caption on it: a PictureButton drawn from the
// button_off, button_on and button_pressed pictures, and a centred caption
// label over it that lets the mouse through, so a click on the caption is a
// click on the button.
struct CaptionedButton {
    PictureButton *button = nullptr;
    QLabel *caption = nullptr;
};

// Makes the button `name` on `parent` at `size`, and its caption label
// `captionName` at `captionArea` inside it. The caller places the button and
// sets the caption's text.
CaptionedButton captionedButton(QWidget *parent, const Pictures &pictures, const QString &name, QSize size,
                                const QString &captionName, const QRect &captionArea);

} // namespace kw
