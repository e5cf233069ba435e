// Fuzzes loading a word base from arbitrary bytes: every input either loads or
// is refused with an error that names the file, and a loaded base answers
// lookups, draws and letter queries without fault.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/data_file_error.h"
#include "game/seeded_random.h"
#include "game/word_base.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using torvel::WordBase;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        WordBase base = WordBase::FromBytes(bytes, "wmbase.txt");
        // A line of the base looks itself up and serves as a source word.
        const std::string& first = base.Line(1);
        if (base.FirstLine(first) != 1) std::abort();
        if (base.proverca(base.Line(WordBase::kLines)) != true) std::abort();
        for (const int number : base.FittingLines(first)) {
            if (base.FirstLineOf(number) > number) std::abort();
        }
        torvel::SeededRandom random(size);
        const std::string source = base.DrawSourceWord(random);
        if (source.size() < WordBase::kMinSourceLength ||
            source.size() > WordBase::kMaxSourceLength) {
            std::abort();
        }
    } catch (const torvel::DataFileError& error) {
        if (error.file() != "wmbase.txt" || error.problem().empty()) std::abort();
    }
    return 0;
}
