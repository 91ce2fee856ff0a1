#pragma once
// A fresh program folder under the system's temporary folder, removed with everything in it.

#include <string>

namespace lottodesk::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder path, ending with '/'.
    const std::string& path() const { return m_path; }
    std::string file(const std::string& relative) const { return m_path + relative; }

private:
    std::string m_path;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
long long fileSize(const std::string& path);
std::string samplePath(const std::string& name);

}  // namespace lottodesk::test
