#include "ArtFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace {

QString addFace(const QDir &dir, const QString &fileName, QString *error) {
    const QString path = dir.filePath(fileName);
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        *error = QStringLiteral("cannot load the font %1").arg(path);
        return QString();
    }
    return families.first();
}

} // namespace

bool ArtFonts::load(const QString &fontDir, QString *error) {
    const QDir dir(fontDir);
    m_persianFamily = addFace(dir, QStringLiteral("Vazirmatn-Bold.ttf"), error);
    if (m_persianFamily.isEmpty())
        return false;
    m_displayFamily = addFace(dir, QStringLiteral("BebasNeue-Regular.otf"), error);
    if (m_displayFamily.isEmpty())
        return false;
    m_latinFamily = addFace(dir, QStringLiteral("Lato-Regular.ttf"), error);
    return !m_latinFamily.isEmpty();
}

QFont ArtFonts::persian(qreal pixelSize) const {
    return face(m_persianFamily, pixelSize, QFont::Bold);
}

QFont ArtFonts::display(qreal pixelSize) const {
    return face(m_displayFamily, pixelSize, QFont::Normal);
}

QFont ArtFonts::latin(qreal pixelSize) const {
    return face(m_latinFamily, pixelSize, QFont::Normal);
}

QFont ArtFonts::face(const QString &family, qreal pixelSize, QFont::Weight weight) {
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
