#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every target shares: a quiet process whose own folders are a scratch folder, so nothing
// a run does reaches the user's files or log.
namespace fuzzInput {

// Once per process, before the first input.
void setUp();
QByteArray bytes(const std::uint8_t* data, std::size_t size);
// This process's scratch folder, empty at the start of every input.
QString freshFolder();
// Writes `content` to `name` in the scratch folder and answers its path.
QString write(const QString& name, const QByteArray& content);
// Splits the input at its first NUL byte: two texts to feed one target.
std::pair<QByteArray, QByteArray> split(const QByteArray& input);

} // namespace fuzzInput
