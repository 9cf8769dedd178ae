#include "snmplib/BootCounter.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kMaxIdOctets = 32;
constexpr int kLineBuffer = 100;

// Whether a line read into the buffer belongs to the engine: its encoded id, then a blank.
bool BelongsTo(const char* line, const std::string& encoded)
{
    return line[0] != '#' && std::strncmp(line, encoded.c_str(), encoded.size()) == 0 &&
           line[encoded.size()] == ' ';
}

// The engine's encoded id alone on its line, without a blank and a count.
bool BareId(const char* line, const std::string& encoded)
{
    const char after = line[encoded.size()];
    return line[0] != '#' && std::strncmp(line, encoded.c_str(), encoded.size()) == 0 &&
           (after == '\0' || after == '\n' || after == '\r');
}

} // namespace

std::string EncodeBootCounterId(const OctetStr& engineId)
{
    std::string encoded;
    for (std::size_t i = 0; i < engineId.len(); ++i) {
        encoded += static_cast<char>(0x40 + (engineId[i] >> 4));
        encoded += static_cast<char>(0x40 + (engineId[i] & 0x0F));
    }
    return encoded;
}

int getBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int& boots)
{
    boots = 0;
    if (engineId.len() > kMaxIdOctets)
        return BOOT_COUNTER_ID_TOO_LONG;
    std::FILE* file = std::fopen(fileName.c_str(), "r");
    if (file == nullptr)
        return BOOT_COUNTER_OPEN_FAILED;
    const std::string encoded = EncodeBootCounterId(engineId);
    char line[kLineBuffer];
    int status = BOOT_COUNTER_NO_ENTRY;
    bool atLineStart = true;   // the buffer starts a line, not the rest of a long one
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (atLineStart && BelongsTo(line, encoded)) {
            boots = static_cast<unsigned int>(std::strtoul(line + encoded.size() + 1, nullptr, 10));
            status = BOOT_COUNTER_OK;
            break;
        }
        if (atLineStart && BareId(line, encoded)) {
            status = BOOT_COUNTER_NO_BLANK;
            break;
        }
        const std::size_t length = std::strlen(line);
        atLineStart = length > 0 && line[length - 1] == '\n';
    }
    std::fclose(file);
    return status;
}

int saveBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int boots)
{
    const OctetStr id = engineId.len() > kMaxIdOctets ? OctetStr(engineId.get_string().substr(0, kMaxIdOctets))
                                                      : engineId;
    std::FILE* in = std::fopen(fileName.c_str(), "r");
    if (in == nullptr) {
        std::FILE* created = std::fopen(fileName.c_str(), "w");
        if (created == nullptr)
            return BOOT_COUNTER_CREATE_FAILED;
        std::fclose(created);
        in = std::fopen(fileName.c_str(), "r");
        if (in == nullptr)
            return BOOT_COUNTER_OPEN_FAILED;
    }
    const std::string tmpName = fileName + ".tmp";
    std::FILE* out = std::fopen(tmpName.c_str(), "w");
    if (out == nullptr) {
        std::fclose(in);
        return BOOT_COUNTER_OPEN_FAILED;
    }

    const std::string encoded = EncodeBootCounterId(id);
    const std::string newLine = encoded + " " + std::to_string(boots) + "\n";
    char line[kLineBuffer];
    bool written = false;
    bool atLineStart = true;   // the buffer just read starts a line (not the rest of a long one)
    char last = '\n';
    while (std::fgets(line, sizeof line, in) != nullptr) {
        const std::size_t length = std::strlen(line);
        if (atLineStart && BelongsTo(line, encoded)) {
            if (!written)
                std::fputs(newLine.c_str(), out);
            written = true;
            // Skip the rest of an over-long line of the engine.
            while (length > 0 && line[length - 1] != '\n' && std::fgets(line, sizeof line, in) != nullptr &&
                   line[std::strlen(line) - 1] != '\n') {
            }
            atLineStart = true;
            last = '\n';
            continue;
        }
        std::fputs(line, out);
        if (length > 0) {
            last = line[length - 1];
            atLineStart = last == '\n';
        }
    }
    if (!written) {
        // A last line without its line feed must not swallow the new line.
        if (last != '\n')
            std::fputc('\n', out);
        std::fputs(newLine.c_str(), out);
    }
    const bool readFailed = std::ferror(in) != 0;
    std::fclose(in);
    const bool writeFailed = std::ferror(out) != 0;
    if (std::fclose(out) != 0 || writeFailed || readFailed) {
        std::remove(tmpName.c_str());
        return BOOT_COUNTER_OPEN_FAILED;
    }
    // rename replaces the old file atomically: it is never deleted first.
    if (std::rename(tmpName.c_str(), fileName.c_str()) != 0) {
        std::remove(tmpName.c_str());
        return BOOT_COUNTER_RENAME_FAILED;
    }
    return BOOT_COUNTER_OK;
}
