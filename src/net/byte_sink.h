// Where a response body goes: memory or a file.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace listrider::net {

/// Receives the bytes of a response body in order.
class ByteSink
{
public:
    virtual ~ByteSink() = default;

    /// Returns false when the bytes could not be kept (the transfer then fails).
    virtual bool Write(std::string_view bytes) = 0;
};

/// Keeps the body in memory.
class StringSink final : public ByteSink
{
public:
    bool Write(std::string_view bytes) override;

    const std::string& Text() const { return m_text; }

    void Clear() { m_text.clear(); }

private:
    std::string m_text;
};

/// Writes the body into a file, created or replaced when the sink opens.
class FileSink final : public ByteSink
{
public:
    explicit FileSink(const std::filesystem::path& file);
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;
    ~FileSink() override;

    bool IsOpen() const { return m_file != nullptr; }

    bool Write(std::string_view bytes) override;

    /// Flushes and closes the file; returns false when that failed.
    bool Close();

private:
    std::FILE* m_file = nullptr;
    bool m_failed = false;
};

} // namespace listrider::net
