#pragma once
// How the soldier-names box of the campaign editor becomes the names of a campaign file: the box
// as the author typed it, the names it holds and the file saved from it. Both the editor's tests
// (save, open) and the game's (campaign start) read the saved files with this table, so the
// roster is proven the same at both ends.

#include <string>
#include <vector>

namespace soldier_names {

struct Case
{
    const char* what;
    std::string box;                 // the names box, lines separated by CR LF
    std::vector<std::string> names;  // the roster the box stands for, in order
};

inline const std::vector<Case>& cases()
{
    static const std::vector<Case> table = {
        {"an empty line between names", "Ann\r\n\r\nBob", {"Ann", "Bob"}},
        {"empty lines at the start", "\r\n\r\nAnn\r\nBob", {"Ann", "Bob"}},
        {"empty lines at the end", "Ann\r\nBob\r\n\r\n\r\n", {"Ann", "Bob"}},
        {"several empty lines in a row", "Ann\r\n\r\n\r\n\r\nBob\r\nCid", {"Ann", "Bob", "Cid"}},
        {"Enter pressed after an opened box", "Zed\r\nYul\r\n\r\nAnn\r\nBob", {"Zed", "Yul", "Ann", "Bob"}},
        {"two commas in a row", "Ann,,Bob, ,Cid", {"Ann", "Bob", "Cid"}},
        {"a blank-only line", "Ann\r\n    \r\nBob", {"Ann", "Bob"}},
        {"quoted blanks are no name", "Ann\r\n\"   \"\r\n\" Bob\"", {"Ann", "Bob"}},
        {"a name over 15 characters after an empty line", "Ann\r\n\r\nABCDEFGHIJKLMNOPQRST",
         {"Ann", "ABCDEFGHIJKLMNO"}},
        {"names split at commas and line ends", "Ann, Bob\r\nCid", {"Ann", "Bob", "Cid"}},
        {"nothing but empty lines", "\r\n\r\n", {}},
        {"quotes inside and after a name kept, quotes around one taken away",
         "O\"Brien\r\n\"Ann\", Bob\"\r\nsay \"hi\"", {"O\"Brien", "Ann", "Bob\"", "say \"hi\""}},
        {"tags of other lists are names", "<-Miss>\r\n<Nomes>", {"<-Miss>", "<Nomes>"}},
        {"a no-break space inside a name", "Sgt\xA0Rex", {"Sgt\xA0Rex"}},
    };
    return table;
}

// The bytes of a campaign "N" by "A" with no missions, the order kept, and these names.
inline std::string campaignFile(const std::vector<std::string>& names)
{
    std::string bytes = "<Campanha>\r\n\"N\"\r\n\"A\"\r\n 0 \r\nTrue\r\n<-Campanha>\r\n<Miss>\r\n<-Miss>\r\n"
                        "<Nomes>\r\n";
    for (const std::string& name : names) {
        bytes += name + "\r\n";
    }
    return bytes + "<-Nomes>\r\n";
}

} // namespace soldier_names
