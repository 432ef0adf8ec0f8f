#include "app/bridge/text.h"

namespace listrider::app {

QString FromStore(std::string_view text, const store::CodePage& codePage)
{
    return FromWide(codePage.ToWide(text));
}

std::string ToStore(const QString& text, const store::CodePage& codePage)
{
    return codePage.FromWide(ToWide(text));
}

QString FromWide(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::u16string ToWide(const QString& text)
{
    return text.toStdU16String();
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FromPath(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

std::filesystem::path ToPath(const QString& text)
{
    return std::filesystem::path(text.toStdString());
}

} // namespace listrider::app
