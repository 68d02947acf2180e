#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Reads DirectX ".x" files, text ("xof 0303txt 0032") or binary
// ("xof 0303bin 0032", floats of 32 or 64 bits), into a tree of data objects.
// Template declarations are skipped: the model loader knows the layouts of
// the templates it uses and reads the members in order. Every separator is
// dropped, so a data object is just its numbers, its strings and its nested
// objects or references.

// A file that is not a well-formed ".x" file. The text says where (line or
// byte offset) and what is wrong, for the log.
class TXFileFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TXDataObject;

// A nested member: an embedded object, or a reference "{ Name }" to an
// object defined elsewhere in the file.
struct TXChild {
    std::unique_ptr<TXDataObject> object;
    std::string reference;
};

struct TXDataObject {
    std::string templateName;
    std::string name;
    std::vector<double> numbers;
    std::vector<std::string> strings;
    std::vector<TXChild> children;
    // Line (text) or byte offset (binary) where the object starts.
    std::string where;
};

class TXFileData {
public:
    // Raises TXFileFormatError; never allocates beyond a small multiple of
    // the size of the input.
    static TXFileData Parse(const std::vector<std::uint8_t>& bytes);

    const std::vector<std::unique_ptr<TXDataObject>>& Objects() const { return objects; }
    // The first object of that name anywhere in the file, or none.
    const TXDataObject* Find(const std::string& name) const;

private:
    void IndexNames(const TXDataObject& object);

    std::vector<std::unique_ptr<TXDataObject>> objects;
    std::map<std::string, const TXDataObject*> named;
};

// Reads the members of one data object in template order.
class TXMemberReader {
public:
    explicit TXMemberReader(const TXDataObject& object) : data(object) {}

    // A count or index: a whole number from 0 to 2^32 - 1.
    std::uint32_t Count(const char* what);
    float Float(const char* what);
    // Raises unless n numbers of each of the given size still follow, so a
    // count never makes us allocate more than the file holds.
    void RequireNumbers(std::uint64_t count, std::uint64_t perItem, const char* what) const;
    size_t NumbersLeft() const { return data.numbers.size() - next; }
    [[noreturn]] void Fail(const std::string& problem) const;

private:
    double Number(const char* what);

    const TXDataObject& data;
    size_t next = 0;
};
