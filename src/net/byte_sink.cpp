#include "net/byte_sink.h"

namespace listrider::net {

bool StringSink::Write(std::string_view bytes)
{
    m_text.append(bytes);
    return true;
}

FileSink::FileSink(const std::filesystem::path& file)
    : m_file(std::fopen(file.c_str(), "wb"))
{}

FileSink::~FileSink()
{
    Close();
}

bool FileSink::Write(std::string_view bytes)
{
    if (m_file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) {
        m_failed = true;
        return false;
    }
    return true;
}

bool FileSink::Close()
{
    if (m_file != nullptr) {
        m_failed = std::fclose(m_file) != 0 || m_failed;
        m_file = nullptr;
    }
    return !m_failed;
}

} // namespace listrider::net
