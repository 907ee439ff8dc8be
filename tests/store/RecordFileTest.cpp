#include <gtest/gtest.h>

#include "store/RecordFile.h"

TEST(RecordFile, EmptyStringIsFiveBytes) {
    RecordWriter w;
    WriteRecordString(w, QString());
    EXPECT_EQ(w.data(), QByteArray("\x01\x00\x00\x00\x00", 5));
}
