#include "table_writer.h"

#include <algorithm>

#include "prefix_code.h"
#include "rar_constants.h"

namespace ssdpack {

namespace {

struct LengthCode {
    uint8_t symbol;  // 0..18 of the bit-length alphabet
    uint8_t extraBits;
    uint8_t extra;
};

// Run-length form of lengths over the previous ones. The decoder adds a plain code to the previous
// length modulo 16; 16 repeats the new previous entry, 17 and 18 write zeros outright.
std::vector<LengthCode> runLengthForm(const std::vector<uint8_t>& lengths, const uint8_t* previous) {
    std::vector<LengthCode> codes;
    const size_t n = lengths.size();
    size_t i = 0;
    while (i < n) {
        const uint8_t value = lengths[i];
        size_t run = 1;
        while (i + run < n && lengths[i + run] == value) ++run;
        if (value == 0 && run >= 11) {
            size_t take = std::min<size_t>(run, 138);
            codes.push_back({18, 7, uint8_t(take - 11)});
            i += take;
        } else if (value == 0 && run >= 3) {
            size_t take = std::min<size_t>(run, 10);
            codes.push_back({17, 3, uint8_t(take - 3)});
            i += take;
        } else if (i > 0 && lengths[i - 1] == value && run >= 3) {
            size_t take = std::min<size_t>(run, 6);
            codes.push_back({16, 2, uint8_t(take - 3)});
            i += take;
        } else {
            codes.push_back({uint8_t((value - previous[i]) & 15), 0, 0});
            ++i;
        }
    }
    return codes;
}

struct EncodedForm {
    std::vector<LengthCode> codes;
    PrefixCode bitLengthCode;
    size_t bits = 0;
};

EncodedForm encodeForm(const std::vector<uint8_t>& lengths, const uint8_t* previous) {
    EncodedForm form;
    form.codes = runLengthForm(lengths, previous);
    std::vector<uint32_t> freq(rar::bitLengthSymbols, 0);
    for (const LengthCode& c : form.codes) ++freq[c.symbol];
    form.bitLengthCode = PrefixCode::fromFrequencies(freq, 15);
    form.bits = 4 * rar::bitLengthSymbols;
    for (const LengthCode& c : form.codes) form.bits += form.bitLengthCode.lengths[c.symbol] + c.extraBits;
    return form;
}

bool deltaAllowed(const TableRead& table, const TableMemory& memory) {
    // Entries past the last read's size are undefined in some decoders: add only to set ones.
    return memory.size >= static_cast<int>(table.lengths.size());
}

struct Choice {
    EncodedForm form;
    bool delta;
};

Choice choose(const TableRead& table, const TableMemory& memory) {
    static const uint8_t zeros[rar::maxTableSize] = {};
    Choice plain{encodeForm(table.lengths, zeros), false};
    if (!deltaAllowed(table, memory)) return plain;
    Choice delta{encodeForm(table.lengths, memory.lengths.data()), true};
    return delta.form.bits < plain.form.bits ? delta : plain;
}

size_t headerBits(const TableRead& table) { return table.audio ? 4 : 2; }

}  // namespace

size_t tableReadBits(const TableRead& table, const TableMemory& memory) {
    return headerBits(table) + choose(table, memory).form.bits;
}

bool writeTableRead(BitWriter& out, const TableRead& table, TableMemory& memory) {
    Choice choice = choose(table, memory);
    out.put(table.audio ? 1 : 0, 1);
    out.put(choice.delta ? 1 : 0, 1);
    if (table.audio) out.put(static_cast<uint32_t>(table.channels - 1), 2);
    for (int s = 0; s < rar::bitLengthSymbols; ++s) out.put(choice.form.bitLengthCode.lengths[s], 4);
    for (const LengthCode& c : choice.form.codes) {
        out.put(choice.form.bitLengthCode.codes[c.symbol], choice.form.bitLengthCode.lengths[c.symbol]);
        out.put(c.extra, c.extraBits);
    }
    std::copy(table.lengths.begin(), table.lengths.end(), memory.lengths.begin());
    memory.size = static_cast<int>(table.lengths.size());
    return choice.delta;
}

}  // namespace ssdpack
