// table_builder.h -- dBase tables and memo files laid out byte by byte for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FieldSpec {
    std::string name;
    char type;
    std::uint8_t length;
    std::uint8_t decimals;
};

// A table: header, descriptors, terminator, records, end-of-file byte.
class TableBuilder {
public:
    TableBuilder& Version(std::uint8_t version);
    TableBuilder& UpdateDate(std::uint8_t year, std::uint8_t month, std::uint8_t day);
    // Bytes 12 to 31 of the header and of each descriptor, as a dBase-IV
    // writer might leave them; the conversion must clear them.
    TableBuilder& Reserved(std::uint8_t filler);
    TableBuilder& Field(const std::string& name, char type, std::uint8_t length, std::uint8_t decimals = 0);
    // One record; each value is cut or filled with spaces to its field's length.
    TableBuilder& Record(const std::vector<std::string>& values, bool deleted = false);
    // Bytes after the terminator that the header length still counts.
    TableBuilder& ExtraHeaderBytes(const std::string& bytes);
    TableBuilder& RecordCount(std::uint32_t count);  // overrides the real count
    TableBuilder& HeaderLength(std::uint16_t length);
    TableBuilder& RecordLength(std::uint16_t length);
    TableBuilder& EndOfFile(bool present);

    std::uint16_t HeaderLengthValue() const;
    std::uint16_t RecordLengthValue() const;
    std::string Bytes() const;

private:
    std::uint8_t version_ = 0x8B;
    std::uint8_t date_[3] = {126, 11, 30};
    std::uint8_t reserved_ = 0;
    std::vector<FieldSpec> fields_;
    std::vector<std::string> records_;
    std::string extraHeader_;
    bool endOfFile_ = true;
    std::int64_t recordCount_ = -1;
    std::int32_t headerLength_ = -1;
    std::int32_t recordLength_ = -1;
};

// A memo file in the dBase-IV layout: block 0 its header, each memo from a
// block boundary with an 8-byte block header (FF FF 08 00, then the length
// with the header).
class MemoBuilder {
public:
    MemoBuilder();
    // Appends a memo and returns its first block.
    std::uint32_t Add(const std::string& text);
    // Appends a block header with a length of its own, and `text` behind it.
    std::uint32_t AddRaw(std::uint32_t length, const std::string& text);
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// A memo field's 10 characters: the block number right-aligned after blanks.
std::string MemoRef(std::uint32_t block);

// The bytes of a dBase-III memo file as the conversion writes it from texts.
std::string Dbase3Memo(const std::vector<std::string>& texts);
