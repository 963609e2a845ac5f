#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace ledger {

using DesKey = std::array<std::uint8_t, 8>;
using DesBlockBytes = std::array<std::uint8_t, 8>;

// The 16 round keys of one DES key, in the order encryption uses them (the program never
// decrypts).
struct DesSchedule {
    std::array<std::uint64_t, 16> rounds{};
};

DesKey foldKey(const QByteArray &keyString);
DesSchedule desSetKey(const DesKey &key);
DesBlockBytes desBlock(const DesSchedule &schedule, const DesBlockBytes &input);
// DES-ECB over the bytes of plain (common::toGbkText, zero-padded, at least one block), as
// upper-case hex.
QString desEncryptHex(const QString &plain, const QString &keyString);
// The same over bytes already in their 8-bit form.
QString desEncryptHex(const QByteArray &bytes, const QString &keyString);

} // namespace ledger
