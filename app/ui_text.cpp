#include "app/ui_text.h"

#include <QLocale>

#include <QFile>

#include "app/session.h"
#include "image/win1252.h"

namespace tw {

QString to_qt(const std::string& cp1252)
{
    const std::string utf8 = cp1252_to_utf8(cp1252);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

std::string to_core(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return utf8_to_cp1252(std::string_view(utf8.constData(), size_t(utf8.size())));
}

QString caption(const Session& session, const char* key, const char* english)
{
    if (!key)
        return to_qt(english);
    return to_qt(session.language.captions.caption(key, english));
}

QString path_to_qt(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string path_to_core(const QString& path) { return QFile::encodeName(path).toStdString(); }

char decimal_separator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 128 ? char(point.at(0).unicode()) : '.';
}

}  // namespace tw
