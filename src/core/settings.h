#pragma once
// The per-user settings store behind an interface: the desktop program keeps it in the platform's
// native settings, tests and the command-line tool in memory.

#include <map>
#include <optional>
#include <string>

namespace lottodesk {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<int> readInt(const std::string& name) = 0;
    virtual void writeInt(const std::string& name, int value) = 0;
    virtual std::optional<std::string> readString(const std::string& name) = 0;
    virtual void writeString(const std::string& name, const std::string& value) = 0;
};

class MemorySettings : public SettingsStore {
public:
    std::optional<int> readInt(const std::string& name) override;
    void writeInt(const std::string& name, int value) override { m_ints[name] = value; }
    std::optional<std::string> readString(const std::string& name) override;
    void writeString(const std::string& name, const std::string& value) override { m_strings[name] = value; }

private:
    std::map<std::string, int> m_ints;
    std::map<std::string, std::string> m_strings;
};

// The windows over which numbers are classed cold, warm or hot, and the thresholds.
struct ColdHotSettings {
    int qs = 30;
    int coldcs = 2;
    int hotcs = 8;
    int f_qs = 16;
    int f_coldcs = 0;
    int f_hotcs = 2;

    bool operator==(const ColdHotSettings&) const = default;
};

// Writes each of the six values with its default when absent, then reads it (in the order
// qs, coldcs, hotcs, f_qs, f_coldcs, f_hotcs).
ColdHotSettings loadColdHotSettings(SettingsStore& store);

// What one ticket costs: "ticketprice" (yuan, default 2) and "ticketaddon" (追加, where the game
// offers it).
struct TicketPrice {
    int base = 2;
    bool addOn = false;
    bool operator==(const TicketPrice&) const = default;
};
TicketPrice loadTicketPrice(SettingsStore& store);
void saveTicketPrice(SettingsStore& store, const TicketPrice& price);

}  // namespace lottodesk
