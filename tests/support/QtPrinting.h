#pragma once
// Readable failure messages for Qt values.
#include <QRect>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline std::ostream& operator<<(std::ostream& out, const QRect& rect)
{
    return out << rect.width() << "x" << rect.height() << " at " << rect.x() << "," << rect.y();
}
