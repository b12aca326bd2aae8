#include "qt/FontMapper.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>
#include <cmath>

namespace fw::qt {

namespace {

// Free faces closest to the ones the windows were designed with, best first.
QStringList standInsFor(const QString& name) {
    const QString key = name.toLower();
    if (key == QLatin1String("apple chancery"))
        return {QStringLiteral("Z003"), QStringLiteral("URW Chancery L"), QStringLiteral("TeX Gyre Chorus")};
    if (key == QLatin1String("verdena") || key == QLatin1String("verdana"))
        return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
    return {name};
}

constexpr int smallestFittedPixelSize = 8;

} // namespace

QString FontMapper::family(const std::string& name) {
    const QString requested = QString::fromStdString(name);
    if (!requested.isEmpty() && requested.compare(QLatin1String("System"), Qt::CaseInsensitive) != 0)
        for (const QString& candidate : standInsFor(requested))
            if (QFontDatabase::hasFamily(candidate))
                return candidate;
    return QApplication::font().family();
}

QFont FontMapper::map(const platform::Font& font) {
    QFont result = QApplication::font();
    result.setFamily(family(font.family));
    if (font.size > 0)
        result.setPixelSize(static_cast<int>(std::lround(font.size)));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    return result;
}

void FontMapper::preload() {
    for (const char* designed : {"Apple Chancery", "Verdana", "System"})
        QFontMetrics(map(platform::Font{designed})).height();
}

QFont FontMapper::fitted(QFont font, const QString& text, QSize box, int flags) {
    if (text.isEmpty() || box.isEmpty())
        return font;
    const QRect area(QPoint(0, 0), box);
    const auto fits = [&](const QFont& candidate) {
        const QRect needed = QFontMetrics(candidate).boundingRect(area, flags, text);
        return needed.width() <= box.width() && needed.height() <= box.height();
    };
    if (fits(font))
        return font;
    int pixelSize = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    for (; pixelSize > smallestFittedPixelSize; --pixelSize) {
        font.setPixelSize(pixelSize);
        if (fits(font))
            break;
    }
    return font;
}

} // namespace fw::qt
