// table_layout.h -- the table file, byte by byte: header, field descriptors,
// records, and the memo file's blocks. Both the dBase-IV/-V input and the
// dBase-III output share this frame.
#pragma once

#include <cstdint>

// --- TableHeader: 32 bytes at file offset 0 ---
const std::uint32_t kTableHeaderSize = 32;
const std::uint32_t kVersionOffset = 0;          // 1 byte; bit 7: a memo file belongs to the table
const std::uint32_t kRecordCountOffset = 4;      // u32
const std::uint32_t kHeaderLengthOffset = 8;     // u16, descriptors and terminator included
const std::uint32_t kRecordLengthOffset = 10;    // u16, deletion flag included
const std::uint32_t kHeaderReservedOffset = 12;  // 20 bytes, zero in the output
const std::uint32_t kHeaderReservedSize = 20;
const std::uint32_t kFirstHeaderRead = 12;  // the bytes read before the header's length is known

const std::uint8_t kVersionDbase3 = 0x03;
const std::uint8_t kVersionMemoBit = 0x80;  // 0x83: dBase III with memo file

// --- FieldDescriptor: 32 bytes each, the first at offset 32 ---
const std::uint32_t kDescriptorSize = 32;
const std::uint32_t kNameSize = 11;                   // up to 10 characters and zero bytes
const std::uint32_t kTypeOffset = 11;                 // the type letter
const std::uint32_t kDescriptorReserved1Offset = 12;  // 4 bytes, zero in the output
const std::uint32_t kDescriptorReserved1Size = 4;
const std::uint32_t kFieldLengthOffset = 16;        // u8
const std::uint32_t kDecimalsOffset = 17;           // u8
const std::uint32_t kDescriptorReserved2Size = 14;  // bytes 18 to 31, zero in the output

// A header with 1 to 255 fields: 32 + 32 × fields + the terminator, and any
// bytes behind the terminator that still give the same field count.
const std::uint32_t kMinHeaderLength = 65;
const std::uint32_t kMaxHeaderLength = 8224;

const std::uint8_t kEndOfFile = 0x1A;  // after the last record; ends a memo text

// The class of a field, in the high byte of its FieldLayoutList word.
enum FieldClass : std::uint8_t {
    kClassText = 0x00,   // C: converted from OEM to ANSI when asked
    kClassPlain = 0x40,  // D, N, L and invalid types: copied byte for byte
    kClassMemo = 0x80,   // M: the block reference moves to the output memo file
};

// --- Memo files: 512-byte blocks, numbered from 0 ---
const std::uint32_t kMemoFieldWidth = 10;   // a block number as decimal text
const std::uint32_t kMemoHeaderSize = 8;    // an input memo's block header
const std::uint32_t kMemoLengthOffset = 4;  // u32 in it: the memo's length, header included
// Source blocks are addressed by a signed 32-bit offset: up to 2 GiB.
const std::uint32_t kFirstUnreachableBlock = 4194304;
// The output memo file's block numbers stay positive 32-bit numbers.
const std::uint32_t kMaxOutputBlocks = 0x7FFFFFFF;
