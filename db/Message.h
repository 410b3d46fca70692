#pragma once

#include "db/FieldType.h"

#include <QVariant>
#include <QVector>

#include <vector>

namespace Firebird {
class IAttachment;
class IMessageMetadata;
class ITransaction;
} // namespace Firebird

// The engine's message buffers: values in, values out. Internal to db/.
namespace db::message {

class Status;

// Where each column of an output message lies, read from the engine once per prepare:
// asking its metadata for every row would cost more than the fetch.
class OutputLayout {
public:
    OutputLayout() = default;
    explicit OutputLayout(Firebird::IMessageMetadata* meta);

    const std::vector<ColumnInfo>& columns() const { return columns_; }
    unsigned length() const { return length_; }
    // Reads every column of a fetched buffer; blobs are read whole.
    QVector<QVariant> decode(const unsigned char* buffer, Firebird::IAttachment* att,
                             Firebird::ITransaction* tra) const;

private:
    struct Slot {
        unsigned type;
        int scale;
        int subType;
        unsigned length;
        unsigned offset;
        unsigned nullOffset;
    };
    std::vector<ColumnInfo> columns_;
    std::vector<Slot> slots_;
    unsigned length_ = 0;
};

// An input message for the given values: each value goes in its own type and the
// engine converts it to the parameter's (a text that is no number fails there, with
// the engine's message). NULLs keep the described type.
class Input {
public:
    Input(Firebird::IMessageMetadata* described, const QVector<QVariant>& values,
          Firebird::IAttachment* att, Firebird::ITransaction* tra);
    ~Input();
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    Firebird::IMessageMetadata* metadata() const { return meta_; }
    unsigned char* buffer() { return buffer_.data(); }

private:
    Firebird::IMessageMetadata* meta_ = nullptr;
    std::vector<unsigned char> buffer_;
};

} // namespace db::message
