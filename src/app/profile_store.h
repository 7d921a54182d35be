#pragma once

#include <string>

// Sectioned key/value storage of the settings (an INI file on disk).
class ProfileStore {
  public:
    virtual ~ProfileStore() = default;

    // The stored integer, or defaultValue when the key is missing or does not begin with a number.
    virtual int ReadInt(const std::string& section, const std::string& key, int defaultValue) = 0;
    // The stored text, or defaultValue when the key is missing.
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) = 0;
    virtual void WriteInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // Makes the writes durable. 0 success, nonzero when the store could not be written; the
    // previous contents then stay as they were.
    virtual int Flush() = 0;
};
