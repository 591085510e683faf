#pragma once

#include <QFont>
#include <QString>

// The faces the artwork is lettered in, loaded from the program's own font folder so that the
// images look the same on every machine that draws them.
class ArtFonts {
public:
    // Loads the faces from fontDir; on failure returns false and says which file in *error.
    bool load(const QString &fontDir, QString *error);

    // Vazirmatn Bold: every Persian text.
    QFont persian(qreal pixelSize) const;
    // Bebas Neue: tall Latin capitals for the wordmark and the stamp rims.
    QFont display(qreal pixelSize) const;
    // Lato: small Latin text.
    QFont latin(qreal pixelSize) const;

private:
    static QFont face(const QString &family, qreal pixelSize, QFont::Weight weight);

    QString m_persianFamily;
    QString m_displayFamily;
    QString m_latinFamily;
};
