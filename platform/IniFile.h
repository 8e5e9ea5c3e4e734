// Settings files of sections and keys; rewriting a key keeps every other line of the file as it was.
#pragma once

#include <string>
#include <vector>

namespace qv {

class IniFile {
public:
    // Reads the file; a missing file reads as empty. Other read failures raise EFileError.
    explicit IniFile(std::string path);

    // Section and key names compare without regard to ASCII letter case. Values are held in the file as GBK.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    // Decimal, or hexadecimal with "0x" or "$"; anything else (or out of the 32-bit range) gives def.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);

    // Writes the file (through a temporary file renamed over it); EFileError on failure, the old file intact.
    void UpdateFile() const;

private:
    struct Location {
        int sectionLine = -1; // -1: no such section
        int keyLine = -1;     // -1: no such key
        int insertAt = -1;    // where a new key of the section goes
    };
    Location Find(const std::string& section, const std::string& key) const;

    std::string m_path;
    std::vector<std::string> m_lines; // raw bytes of each line, without its end
    std::string m_lineEnd = "\n";
};

} // namespace qv
