#pragma once

#include <QString>

#include <gtest/gtest.h>

#include <initializer_list>

// One row of a layout table: where a field starts (from 1), how long it is, what it holds.
struct FieldAt {
    int position;
    int length;
    QString content;
};

// Checks each field of a fixed-position record against its layout row.
inline void expectFields(const QString& record, std::initializer_list<FieldAt> fields) {
    for (const FieldAt& f : fields) {
        ASSERT_EQ(f.content.size(), f.length) << "the expected text of position " << f.position;
        EXPECT_EQ(record.mid(f.position - 1, f.length).toStdString(), f.content.toStdString())
            << "field at position " << f.position << ", length " << f.length;
    }
}

inline QString blanks(int n) {
    return QString(n, u' ');
}
