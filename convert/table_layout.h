// table_layout.h -- the table file, byte by byte: header, field descriptors,
// records, and the memo file's blocks. Both the dBase-IV/-V input and the
// dBase-III output share this frame.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>

// --- TableHeader: 32 bytes at file offset 0 ---
const std::uint32_t kTableHeaderSize = 32;
const std::uint32_t kVersionOffset = 0;          // 1 byte; bit 7: a memo file belongs to the table
const std::uint32_t kRecordCountOffset = 4;      // u32
const std::uint32_t kHeaderLengthOffset = 8;     // u16, descriptors and terminator included
const std::uint32_t kRecordLengthOffset = 10;    // u16, deletion flag included
const std::uint32_t kHeaderReservedOffset = 12;  // 20 bytes, zero in the output
const std::uint32_t kHeaderReservedSize = 20;
// Byte 29, among the reserved ones: the code page of the table's text, as its
// writer declared it. Zero in the output, unless the reader asks for it.
const std::uint32_t kCodePageOffset = 29;
const std::uint8_t kCodePageWindowsAnsi = 0x03;
// The code page marks that readers of tables know (DOS, Windows and Macintosh
// code pages); another byte there names none, and is not copied.
inline constexpr std::uint8_t kKnownCodePageMarks[] = {
    0x01, 0x02, 0x03, 0x04, 0x08, 0x09, 0x0A, 0x0B, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13,
    0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1F, 0x22, 0x23, 0x24, 0x25,
    0x26, 0x37, 0x40, 0x4D, 0x4E, 0x4F, 0x50, 0x57, 0x58, 0x59, 0x64, 0x65, 0x66, 0x67, 0x6A,
    0x6B, 0x78, 0x79, 0x7A, 0x7B, 0x7C, 0x7D, 0x7E, 0x96, 0x97, 0x98, 0xC8, 0xC9, 0xCA, 0xCB};
inline bool IsKnownCodePageMark(std::uint8_t mark) {
    return std::find(std::begin(kKnownCodePageMarks), std::end(kKnownCodePageMarks), mark) !=
           std::end(kKnownCodePageMarks);
}
const std::uint32_t kFirstHeaderRead = 12;  // the bytes read before the header's length is known

const std::uint8_t kVersionDbase3 = 0x03;
const std::uint8_t kVersionMemoBit = 0x80;                                 // 0x83: dBase III with memo file
const std::uint8_t kVersionDbase3Memo = kVersionDbase3 | kVersionMemoBit;  // its memo file: dBase-III layout
// dBase level 7 has descriptors of 48 bytes: a layout of its own.
const std::uint8_t kVersionLevel7 = 0x04;
const std::uint8_t kVersionLevel7Memo = 0x8C;
// The first bytes that the programs of the dBase family write (dBase, FoxBase
// and FoxPro, Clipper, Visual Objects). Any version byte of a valid table is
// accepted; this only tells a damaged table from a file that is none.
inline constexpr std::uint8_t kFamilyVersions[] = {0x02, 0x03, 0x04, 0x05, 0x07, 0x30, 0x31,
                                                   0x32, 0x43, 0x63, 0x7B, 0x83, 0x87, 0x8B,
                                                   0x8C, 0x8E, 0xCB, 0xE5, 0xF5, 0xFB};
inline bool IsFamilyVersion(std::uint8_t version) {
    return std::find(std::begin(kFamilyVersions), std::end(kFamilyVersions), version) !=
           std::end(kFamilyVersions);
}

// --- FieldDescriptor: 32 bytes each, the first at offset 32 ---
const std::uint32_t kDescriptorSize = 32;
const std::uint32_t kNameSize = 11;                   // up to 10 characters and zero bytes
const std::uint32_t kTypeOffset = 11;                 // the type letter
const std::uint32_t kDescriptorReserved1Offset = 12;  // 4 bytes, zero in the output
const std::uint32_t kDescriptorReserved1Size = 4;
const std::uint32_t kFieldLengthOffset = 16;  // u8
const std::uint32_t kDecimalsOffset = 17;     // u8
const std::uint32_t kDescriptorReserved2Offset = 18;
const std::uint32_t kDescriptorReserved2Size = 14;  // bytes 18 to 31, zero in the output

// Descriptor `index` (from 0) of the header at `header`.
inline unsigned char* DescriptorAt(unsigned char* header, std::uint32_t index) {
    return header + kTableHeaderSize + kDescriptorSize * index;
}

// A descriptor's type letter in upper case: type letters count without
// regard to case.
inline unsigned char TypeLetter(const unsigned char* descriptor) { return descriptor[kTypeOffset] & 0xDF; }

// The bytes of a field name before its first zero byte, at most kNameSize.
inline std::uint32_t NameLength(const unsigned char* name) {
    std::uint32_t length = 0;
    while (length < kNameSize && name[length] != 0) ++length;
    return length;
}

// The descriptors end at the first slot that begins with the terminator;
// whatever follows it up to the header length (padding, a backlink to a
// database container) belongs to no field and is copied unchanged.
const std::uint8_t kHeaderTerminator = 0x0D;
const std::uint32_t kMinHeaderLength = 65;  // one descriptor and the terminator

const std::uint8_t kEndOfFile = 0x1A;  // after the last record; ends a memo text

// The class of a field, in the high byte of its FieldLayoutList word.
enum FieldClass : std::uint8_t {
    kClassText = 0x00,   // C: converted from OEM to ANSI when asked
    kClassPlain = 0x40,  // D, N, L and invalid types: copied byte for byte
    kClassMemo = 0x80,   // M: the block reference moves to the output memo file
};

// --- Memo files: blocks numbered from 0; block 0 is the file's header ---
const std::uint32_t kMemoFieldWidth = 10;  // a block number as decimal text
// The output memo file, and the input one of a dBase-III table, have blocks
// of 512 bytes (kMemoBlockSize). A dBase-IV memo file records its block
// length in block 0; a value that is no non-zero multiple of 64 means 512.
const std::uint32_t kMemoBlockLengthOffset = 20;  // u16 in block 0
const std::uint32_t kMemoBlockLengthEnd = kMemoBlockLengthOffset + 2;
const std::uint32_t kMemoBlockLengthUnit = 64;
// A dBase-IV memo text begins at a block boundary with an 8-byte header: the
// mark FF FF 08 00, then its length, header included. A dBase-III memo text
// has no header; it runs from the block's start to the first 0x1A.
const std::uint32_t kMemoHeaderSize = 8;
const std::uint32_t kMemoMarkSize = 4;
inline constexpr unsigned char kMemoMark[kMemoMarkSize] = {0xFF, 0xFF, 0x08, 0x00};
const std::uint32_t kMemoLengthOffset = 4;  // u32
// Source texts begin within the first 2 GiB of the memo file.
const std::uint64_t kSourceOffsetLimit = 0x80000000;
// The output memo file's block numbers stay positive 32-bit numbers.
const std::uint32_t kMaxOutputBlocks = 0x7FFFFFFF;
