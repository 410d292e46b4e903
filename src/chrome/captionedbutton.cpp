#include "chrome/captionedbutton.h"

#include "chrome/picturebutton.h"
#include "chrome/pictures.h"

#include <QLabel>
#include <QRect>
#include <QSize>

namespace kw {

CaptionedButton captionedButton(QWidget *parent, const Pictures &pictures, const QString &name, QSize size,
                                const QString &captionName, const QRect &captionArea)
{
    auto *button = new PictureButton(name, parent);
    button->setPictures({pictures.get(QStringLiteral("button_off.bmp")), pictures.get(QStringLiteral("button_on.bmp")),
                         pictures.get(QStringLiteral("button_pressed.bmp"))});
    button->resize(size);
    auto *caption = new QLabel(button);
    caption->setObjectName(captionName);
    caption->setGeometry(captionArea);
    caption->setAlignment(Qt::AlignCenter);
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    return {button, caption};
}

} // namespace kw
