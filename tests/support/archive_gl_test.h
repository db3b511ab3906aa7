#pragma once
// A GL test whose archive entries are built in the test: every ResourceFile opened during it
// reads the archive given to useArchive.
#include "resources/resource_file.h"
#include "support/offscreen_gl.h"
#include "support/test_archive.h"

class ArchiveGLTest : public GLTest {
protected:
    void TearDown() override { ResourceFile::setArchivePath(nullptr); }

    void useArchive(const TestArchive& archive)
    {
        ASSERT_TRUE(archiveFile_.write(archive.build()));
        ResourceFile::setArchivePath(archiveFile_.path().c_str());
    }
    static TestEntry storedEntry(const std::string& name, const Bytes& content)
    {
        TestEntry entry;
        entry.name = name;
        entry.content = content;
        return entry;
    }

private:
    TempFile archiveFile_{"assets"};
};
