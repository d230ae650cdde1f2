// Letter case of the host's single-byte texts, as a table: each byte's upper case in the host's
// code page. The table is data, so the core stays free of the system that makes it, and a fold
// costs one look-up per character.
#pragma once

#include <array>
#include <string>

using CaseFoldTable = std::array<unsigned char, 256>;

// a..z to A..Z, every other byte as it is: the fold where the host's code page is not known.
const CaseFoldTable& AsciiCaseFold();

// Every byte of `text` through the table.
std::string FoldWith(const CaseFoldTable& table, std::string text);
