#pragma once

// Texts the whole program shares.
inline constexpr const char* kProgramName = "ZORIVAN";
inline constexpr const char* kProgramVersion = "1.30-1";
inline constexpr const char* kPartnerName = "ZELKA";
