#include "platform/AppuntiSistema.h"
#include "platform/Rtf.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

bool ImmagineNegliAppunti(const QImage& immagine)
{
    if (immagine.isNull()) return false;
    QClipboard* appunti = QGuiApplication::clipboard();
    appunti->clear();
    appunti->setImage(immagine);
    const QImage tornata = appunti->image();
    // The platform may hand it back in another pixel format: the size tells
    // whether it is there.
    return !tornata.isNull() && tornata.size() == immagine.size();
}

bool RtfNegliAppunti(const QByteArray& rtf)
{
    QClipboard* appunti = QGuiApplication::clipboard();
    appunti->clear();
    appunti->setMimeData(Rtf::DatiAppunti(rtf));
    return Rtf::DaAppunti(appunti->mimeData()) == rtf;
}
