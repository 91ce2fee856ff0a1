#include "tempfolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "core/platform.h"

namespace lottodesk::test {

TempFolder::TempFolder() {
#ifdef _WIN32
    // No mkdtemp: a random name, taken only when the folder could be created new.
    std::random_device entropy;
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / ("lottodesk-test-" + std::to_string(entropy()));
        if (std::filesystem::create_directory(folder)) m_path = platform::pathText(folder) + "/";
    }
    if (m_path.empty()) throw std::runtime_error("no temporary folder");
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "lottodesk-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_path = pattern + "/";
#endif
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(platform::fsPath(m_path), ec);
}

std::string readFile(const std::string& path) {
    std::ifstream in(platform::fsPath(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(platform::fsPath(path).parent_path());
    std::ofstream(platform::fsPath(path), std::ios::binary) << bytes;
}

long long fileSize(const std::string& path) {
    std::error_code ec;
    auto size = std::filesystem::file_size(platform::fsPath(path), ec);
    return ec ? -1 : static_cast<long long>(size);
}

std::string samplePath(const std::string& name) { return std::string(LOTTODESK_SAMPLES_DIR) + "/" + name; }

}  // namespace lottodesk::test
