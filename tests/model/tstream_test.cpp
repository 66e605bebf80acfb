// Memory, span and file streams: positions, bounds, and records through files.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "model/records.h"

TEST(Streams, MemoryStreamReadsWithinBounds) {
    TMemoryStream s;
    const std::uint8_t abc[] = {1, 2, 3};
    EXPECT_EQ(s.write(abc, 3), 3);
    EXPECT_EQ(s.position(), 3);
    EXPECT_TRUE(s.seek(1));
    EXPECT_EQ(s.write(abc, 3), 3); // overwrites, then grows
    EXPECT_EQ(s.bytes(), (std::vector<std::uint8_t>{1, 1, 2, 3}));
    EXPECT_FALSE(s.seek(5));
    EXPECT_TRUE(s.seek(2));
    std::uint8_t out[8] = {};
    EXPECT_EQ(s.read(out, 8), 2);
    EXPECT_EQ(out[0], 2);
    EXPECT_EQ(s.read(out, 8), 0);
    EXPECT_FALSE(s.readExact(out, 1));
    EXPECT_EQ(s.read(out, -1), 0);

    TSpanStream view(s.bytes());
    EXPECT_EQ(view.write(abc, 3), 0);
    EXPECT_TRUE(view.readExact(out, 4));
    EXPECT_EQ(view.remaining(), 0);
}

TEST(Streams, RecordsThroughAFile) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "velmar_model_stream_test.vmd").string();
    velmar_data d;
    d.text = u"Datei";
    velmar_nameid n;
    n.id = 12;
    {
        TFileStream f(path, TFileStream::Mode::Create);
        ASSERT_TRUE(f.isOpen());
        d.write(f);
        n.write(f);
        EXPECT_EQ(f.size(), f.position());
        // Reading right after writing, in the same stream.
        ASSERT_TRUE(f.seek(0));
        velmar_data back;
        EXPECT_TRUE(back.read(f));
        EXPECT_EQ(back.text, u"Datei");
        EXPECT_TRUE(f.close());
    }
    TFileStream f(path, TFileStream::Mode::Read);
    ASSERT_TRUE(f.isOpen());
    velmar_data back;
    velmar_nameid nBack;
    EXPECT_TRUE(back.read(f));
    EXPECT_TRUE(nBack.read(f));
    EXPECT_EQ(back, d);
    EXPECT_EQ(nBack.id, 12);
    EXPECT_EQ(f.remaining(), 0);
    f.close();
    std::remove(path.c_str());

    TFileStream missing(path + ".none", TFileStream::Mode::Read);
    EXPECT_FALSE(missing.isOpen());
    velmar_nameid untouched;
    untouched.id = 3;
    EXPECT_TRUE(untouched.read(missing)); // a stream without a packet reads as no items
    EXPECT_EQ(untouched.id, 0);
}

TEST(Streams, WriteErrorsReachTheCaller) {
    // A stream that takes nothing.
    const std::vector<std::uint8_t> none;
    TSpanStream readOnly(none);
    EXPECT_FALSE(velmar_nameid{}.write(readOnly));

    // A full disk: a large packet fails at once, a small one when it is
    // flushed; either way close() reports it.
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP();
    TFileStream large("/dev/full", TFileStream::Mode::ReadWrite);
    ASSERT_TRUE(large.isOpen());
    velmar_data d;
    d.zusatzartikel.items.resize(20);
    EXPECT_FALSE(d.write(large));
    EXPECT_FALSE(large.close());
    TFileStream small("/dev/full", TFileStream::Mode::ReadWrite);
    ASSERT_TRUE(small.isOpen());
    small.write("x", 1);
    EXPECT_FALSE(small.close());
}
