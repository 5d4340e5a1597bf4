// table_builder.cpp -- dBase tables and memo files for tests.
#include "table_builder.h"

#include <stdexcept>

namespace {

void PutU16(std::string& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void PutU32(std::string& out, std::size_t at, std::uint32_t value) {
    PutU16(out, at, value & 0xFFFF);
    PutU16(out, at + 2, value >> 16);
}

}  // namespace

TableBuilder& TableBuilder::Version(std::uint8_t version) {
    version_ = version;
    return *this;
}

TableBuilder& TableBuilder::UpdateDate(std::uint8_t year, std::uint8_t month, std::uint8_t day) {
    date_[0] = year;
    date_[1] = month;
    date_[2] = day;
    return *this;
}

TableBuilder& TableBuilder::Reserved(std::uint8_t filler) {
    reserved_ = filler;
    return *this;
}

TableBuilder& TableBuilder::Field(const std::string& name, char type, std::uint8_t length,
                                  std::uint8_t decimals) {
    fields_.push_back({name, type, length, decimals});
    return *this;
}

TableBuilder& TableBuilder::Record(const std::vector<std::string>& values, bool deleted) {
    if (values.size() != fields_.size()) throw std::logic_error("one value per field");
    std::string record(1, deleted ? '*' : ' ');
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        std::string value = values[i].substr(0, fields_[i].length);
        value.resize(fields_[i].length, ' ');
        record += value;
    }
    records_.push_back(record);
    return *this;
}

TableBuilder& TableBuilder::ExtraHeaderBytes(const std::string& bytes) {
    extraHeader_ = bytes;
    return *this;
}

TableBuilder& TableBuilder::RecordCount(std::uint32_t count) {
    recordCount_ = count;
    return *this;
}

TableBuilder& TableBuilder::HeaderLength(std::uint16_t length) {
    headerLength_ = length;
    return *this;
}

TableBuilder& TableBuilder::RecordLength(std::uint16_t length) {
    recordLength_ = length;
    return *this;
}

TableBuilder& TableBuilder::EndOfFile(bool present) {
    endOfFile_ = present;
    return *this;
}

std::uint16_t TableBuilder::HeaderLengthValue() const {
    if (headerLength_ >= 0) return static_cast<std::uint16_t>(headerLength_);
    return static_cast<std::uint16_t>(32 + 32 * fields_.size() + 1 + extraHeader_.size());
}

std::uint16_t TableBuilder::RecordLengthValue() const {
    if (recordLength_ >= 0) return static_cast<std::uint16_t>(recordLength_);
    std::uint32_t length = 1;
    for (const FieldSpec& field : fields_) length += field.length;
    return static_cast<std::uint16_t>(length);
}

std::string TableBuilder::Bytes() const {
    std::string out(32, static_cast<char>(reserved_));
    out[0] = static_cast<char>(version_);
    for (int i = 0; i < 3; ++i) out[1 + i] = static_cast<char>(date_[i]);
    PutU32(out, 4,
           recordCount_ >= 0 ? static_cast<std::uint32_t>(recordCount_)
                             : static_cast<std::uint32_t>(records_.size()));
    PutU16(out, 8, HeaderLengthValue());
    PutU16(out, 10, RecordLengthValue());
    for (const FieldSpec& field : fields_) {
        std::string descriptor(32, static_cast<char>(reserved_));
        std::string name = field.name.substr(0, 11);
        for (std::size_t i = 0; i < 11; ++i) descriptor[i] = i < name.size() ? name[i] : '\0';
        descriptor[11] = field.type;
        descriptor[16] = static_cast<char>(field.length);
        descriptor[17] = static_cast<char>(field.decimals);
        out += descriptor;
    }
    out += '\x0D';
    out += extraHeader_;
    for (const std::string& record : records_) out += record;
    if (endOfFile_) out += '\x1A';
    return out;
}

MemoBuilder::MemoBuilder() : bytes_(512, '\0') {
    bytes_[20] = 0x00;  // block size 512 at offset 20, as dBase IV writes it
    bytes_[21] = 0x02;
    PutU32(bytes_, 0, 1);
}

std::uint32_t MemoBuilder::AddRaw(std::uint32_t length, const std::string& text) {
    std::uint32_t block = static_cast<std::uint32_t>(bytes_.size() / 512);
    std::string memo = std::string("\xFF\xFF\x08\x00", 4) + std::string(4, '\0') + text;
    PutU32(memo, 4, length);
    memo.resize((memo.size() + 511) / 512 * 512, '\0');
    bytes_ += memo;
    PutU32(bytes_, 0, static_cast<std::uint32_t>(bytes_.size() / 512));
    return block;
}

std::uint32_t MemoBuilder::Add(const std::string& text) {
    return AddRaw(static_cast<std::uint32_t>(text.size() + 8), text);
}

std::string MemoRef(std::uint32_t block) {
    std::string digits = std::to_string(block);
    return std::string(10 - digits.size(), ' ') + digits;
}

std::string Dbase3Memo(const std::vector<std::string>& texts) {
    std::string out(512, '\0');
    for (const std::string& text : texts) {
        std::string memo = text + '\x1A';
        memo.resize((text.size() / 512 + 1) * 512, '\0');
        out += memo;
    }
    if (texts.empty()) {
        out[0] = 1;
        return out + '\x1A';
    }
    PutU32(out, 0, static_cast<std::uint32_t>(out.size() / 512));
    return out;
}
