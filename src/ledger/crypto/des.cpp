#include "ledger/crypto/des.h"

#include "common/gbktext.h"

namespace ledger {

namespace {

// Tables of the Data Encryption Standard; bit 1 is the most significant bit of the input.
constexpr std::uint8_t kPc1[56] = {57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
                                   10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
                                   63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
                                   14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};

constexpr std::uint8_t kPc2[48] = {14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10, 23, 19, 12, 4,
                                   26, 8,  16, 7,  27, 20, 13, 2,  41, 52, 31, 37, 47, 55, 30, 40,
                                   51, 45, 33, 48, 44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32};

constexpr std::uint8_t kShifts[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};

constexpr std::uint8_t kIp[64] = {58, 50, 42, 34, 26, 18, 10, 2, 60, 52, 44, 36, 28, 20, 12, 4,
                                  62, 54, 46, 38, 30, 22, 14, 6, 64, 56, 48, 40, 32, 24, 16, 8,
                                  57, 49, 41, 33, 25, 17, 9,  1, 59, 51, 43, 35, 27, 19, 11, 3,
                                  61, 53, 45, 37, 29, 21, 13, 5, 63, 55, 47, 39, 31, 23, 15, 7};

constexpr std::uint8_t kFp[64] = {40, 8, 48, 16, 56, 24, 64, 32, 39, 7, 47, 15, 55, 23, 63, 31,
                                  38, 6, 46, 14, 54, 22, 62, 30, 37, 5, 45, 13, 53, 21, 61, 29,
                                  36, 4, 44, 12, 52, 20, 60, 28, 35, 3, 43, 11, 51, 19, 59, 27,
                                  34, 2, 42, 10, 50, 18, 58, 26, 33, 1, 41, 9,  49, 17, 57, 25};

constexpr std::uint8_t kE[48] = {32, 1,  2,  3,  4,  5,  4,  5,  6,  7,  8,  9,  8,  9,  10, 11,
                                 12, 13, 12, 13, 14, 15, 16, 17, 16, 17, 18, 19, 20, 21, 20, 21,
                                 22, 23, 24, 25, 24, 25, 26, 27, 28, 29, 28, 29, 30, 31, 32, 1};

constexpr std::uint8_t kP[32] = {16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
                                 2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25};

constexpr std::uint8_t kSBoxes[8][64] = {
    {14, 4,  13, 1, 2,  15, 11, 8, 3, 10, 6, 12, 5,  9,  0,  7,  0,  15, 7,  4,  14, 2,
     13, 1,  10, 6, 12, 11, 9,  5, 3, 8,  4, 1,  14, 8,  13, 6,  2,  11, 15, 12, 9,  7,
     3,  10, 5,  0, 15, 12, 8,  2, 4, 9,  1, 7,  5,  11, 3,  14, 10, 0,  6,  13},
    {15, 1,  8,  14, 6,  11, 3,  4, 9,  7,  2, 13, 12, 0,  5,  10, 3,  13, 4,  7, 15, 2,
     8,  14, 12, 0,  1,  10, 6,  9, 11, 5,  0, 14, 7,  11, 10, 4,  13, 1,  5,  8, 12, 6,
     9,  3,  2,  15, 13, 8,  10, 1, 3,  15, 4, 2,  11, 6,  7,  12, 0,  5,  14, 9},
    {10, 0,  9,  14, 6, 3,  15, 5,  1,  13, 12, 7, 11, 4,  2,  8,  13, 7, 0,  9, 3, 4,
     6,  10, 2,  8,  5, 14, 12, 11, 15, 1,  13, 6, 4,  9,  8,  15, 3,  0, 11, 1, 2, 12,
     5,  10, 14, 7,  1, 10, 13, 0,  6,  9,  8,  7, 4,  15, 14, 3,  11, 5, 2,  12},
    {7, 13, 14, 3, 0, 6,  9, 10, 1,  2, 8,  5, 11, 12, 4,  15, 13, 8,  11, 5, 6, 15,
     0, 3,  4,  7, 2, 12, 1, 10, 14, 9, 10, 6, 9,  0,  12, 11, 7,  13, 15, 1, 3, 14,
     5, 2,  8,  4, 3, 15, 0, 6,  10, 1, 13, 8, 9,  4,  5,  11, 12, 7,  2,  14},
    {2,  12, 4, 1,  7,  10, 11, 6, 8, 5,  3, 15, 13, 0,  14, 9,  14, 11, 2,  12, 4,  7,
     13, 1,  5, 0,  15, 10, 3,  9, 8, 6,  4, 2,  1,  11, 10, 13, 7,  8,  15, 9,  12, 5,
     6,  3,  0, 14, 11, 8,  12, 7, 1, 14, 2, 13, 6,  15, 0,  9,  10, 4,  5,  3},
    {12, 1,  10, 15, 9,  2,  6, 8,  0, 13, 3,  4,  14, 7,  5, 11, 10, 15, 4, 2, 7, 12,
     9,  5,  6,  1,  13, 14, 0, 11, 3, 8,  9,  14, 15, 5,  2, 8,  12, 3,  7, 0, 4, 10,
     1,  13, 11, 6,  4,  3,  2, 12, 9, 5,  15, 10, 11, 14, 1, 7,  6,  0,  8, 13},
    {4, 11, 2,  14, 15, 0,  8,  13, 3, 12, 9,  7, 5,  10, 6,  1,  13, 0,  11, 7,  4, 9,
     1, 10, 14, 3,  5,  12, 2,  15, 8, 6,  1,  4, 11, 13, 12, 3,  7,  14, 10, 15, 6, 8,
     0, 5,  9,  2,  6,  11, 13, 8,  1, 4,  10, 7, 9,  5,  0,  15, 14, 2,  3,  12},
    {13, 2, 8,  4, 6, 15, 11, 1,  10, 9,  3, 14, 5,  0,  12, 7,  1,  15, 13, 8, 10, 3,
     7,  4, 12, 5, 6, 11, 0,  14, 9,  2,  7, 11, 4,  1,  9,  12, 14, 2,  0,  6, 10, 13,
     15, 3, 5,  8, 2, 1,  14, 7,  4,  10, 8, 13, 15, 12, 9,  0,  3,  5,  6,  11}};

// Picks the bits named by table (1-based, counted from the top of a width-bit input) into a
// value of N bits, first table entry on top.
template <std::size_t N>
std::uint64_t permute(std::uint64_t input, int width, const std::uint8_t (&table)[N]) {
    std::uint64_t output = 0;
    for (std::size_t i = 0; i < N; ++i)
        output = (output << 1) | ((input >> (width - table[i])) & 1u);
    return output;
}

std::uint32_t rotate28(std::uint32_t half, int count) {
    return ((half << count) | (half >> (28 - count))) & 0x0FFFFFFFu;
}

std::uint32_t feistel(std::uint32_t right, std::uint64_t roundKey) {
    const std::uint64_t mixed = permute(right, 32, kE) ^ roundKey;
    std::uint32_t substituted = 0;
    for (int box = 0; box < 8; ++box) {
        const unsigned six = unsigned(mixed >> (42 - 6 * box)) & 0x3Fu;
        const unsigned row = ((six & 0x20u) >> 4) | (six & 1u);
        const unsigned column = (six >> 1) & 0x0Fu;
        substituted = (substituted << 4) | kSBoxes[box][row * 16 + column];
    }
    return std::uint32_t(permute(substituted, 32, kP));
}

} // namespace

DesKey foldKey(const QByteArray &keyString) {
    DesKey key{};
    for (qsizetype i = 1; i <= keyString.size(); ++i)
        key[std::size_t(i % 8)] =
            std::uint8_t(key[std::size_t(i % 8)] + std::uint8_t(keyString.at(i - 1)));
    return key;
}

DesSchedule desSetKey(const DesKey &key) {
    std::uint64_t bits = 0;
    for (std::uint8_t byte : key)
        bits = (bits << 8) | byte;
    const std::uint64_t chosen = permute(bits, 64, kPc1);
    std::uint32_t c = std::uint32_t(chosen >> 28) & 0x0FFFFFFFu;
    std::uint32_t d = std::uint32_t(chosen) & 0x0FFFFFFFu;
    DesSchedule schedule;
    for (int round = 0; round < 16; ++round) {
        c = rotate28(c, kShifts[round]);
        d = rotate28(d, kShifts[round]);
        const std::uint64_t roundKey = permute((std::uint64_t(c) << 28) | d, 56, kPc2);
        schedule.rounds[std::size_t(round)] = roundKey;
    }
    return schedule;
}

DesBlockBytes desBlock(const DesSchedule &schedule, const DesBlockBytes &input) {
    std::uint64_t bits = 0;
    for (std::uint8_t byte : input)
        bits = (bits << 8) | byte;
    const std::uint64_t permuted = permute(bits, 64, kIp);
    std::uint32_t left = std::uint32_t(permuted >> 32);
    std::uint32_t right = std::uint32_t(permuted);
    for (std::uint64_t roundKey : schedule.rounds) {
        const std::uint32_t next = left ^ feistel(right, roundKey);
        left = right;
        right = next;
    }
    const std::uint64_t output = permute((std::uint64_t(right) << 32) | left, 64, kFp);
    DesBlockBytes result{};
    for (int i = 0; i < 8; ++i)
        result[std::size_t(i)] = std::uint8_t(output >> (56 - 8 * i));
    return result;
}

QString desEncryptHex(const QString &plain, const QString &keyString) {
    return desEncryptHex(common::toGbkText(plain), keyString);
}

QString desEncryptHex(const QByteArray &bytes, const QString &keyString) {
    const DesSchedule schedule = desSetKey(foldKey(common::toGbkText(keyString)));
    const qsizetype blocks = qMax<qsizetype>(1, (bytes.size() + 7) / 8);
    QByteArray cipher;
    cipher.reserve(blocks * 8);
    for (qsizetype b = 0; b < blocks; ++b) {
        DesBlockBytes block{};
        for (qsizetype i = 0; i < 8 && b * 8 + i < bytes.size(); ++i)
            block[std::size_t(i)] = std::uint8_t(bytes.at(b * 8 + i));
        const DesBlockBytes out = desBlock(schedule, block);
        cipher.append(reinterpret_cast<const char *>(out.data()), qsizetype(out.size()));
    }
    return QString::fromLatin1(cipher.toHex().toUpper());
}

} // namespace ledger
