#include "update/UpdateOffer.h"

#include "common/CodedText.h"

#include <QSettings>

namespace quorvel {

UpdateOffer readUpdateOffer(const QString& controlFile)
{
    QSettings file(controlFile, QSettings::IniFormat);
    UpdateOffer offer;
    offer.version = DecodeCodedText(file.value(QStringLiteral("2/1")).toString());
    if (offer.offered())
        offer.releaseDate = DecodeCodedText(file.value(QStringLiteral("2/3")).toString());
    return offer;
}

}  // namespace quorvel
