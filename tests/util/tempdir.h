// A temporary folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

class TempDir
{
public:
    TempDir()
    {
        std::random_device rd;
        for (int attempt = 0; attempt < 100; ++attempt) {
            auto p = std::filesystem::temp_directory_path() / ("plicora-test-" + std::to_string(rd()));
            if (std::filesystem::create_directory(p)) {
                m_path = p;
                return;
            }
        }
        throw std::runtime_error("cannot create a temporary folder");
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The folder as text, with a trailing separator.
    std::string str() const { return m_path.string() + "/"; }

    std::string write(const std::string& name, const std::string& bytes) const
    {
        const auto p = m_path / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

private:
    std::filesystem::path m_path;
};
