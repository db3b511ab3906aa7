#include "core/log.h"

#include <memory>

Log::Log(const std::string& path) : out_(path, std::ios::out | std::ios::trunc) {}

Log& Log::write(const char* text)
{
    out_ << text;
    out_.flush();
    return *this;
}

Log& Log::write(int32_t number)
{
    out_ << number;
    out_.flush();
    return *this;
}

Log& Log::write(uint32_t number)
{
    out_ << number;
    out_.flush();
    return *this;
}

Log& Log::done()
{
    return write("done\n");
}

Log& Log::section(const char* title)
{
    out_ << "............... " << title << " ...............\n";
    out_.flush();
    return *this;
}

Log& logInstance()
{
    // Never destroyed: the log stays open until the process ends.
    static Log* instance = new Log("log.txt");
    return *instance;
}

Log& logWrite(const char* text) { return logInstance().write(text); }
Log& logWrite(const std::string& text) { return logInstance().write(text); }
Log& logWrite(int32_t number) { return logInstance().write(number); }
Log& logWrite(uint32_t number) { return logInstance().write(number); }
Log& logDone() { return logInstance().done(); }
Log& logSection(const char* title) { return logInstance().section(title); }
