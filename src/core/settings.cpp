#include "settings.h"

namespace lottodesk {

std::optional<int> MemorySettings::readInt(const std::string& name) {
    auto it = m_ints.find(name);
    if (it == m_ints.end()) return std::nullopt;
    return it->second;
}

std::optional<std::string> MemorySettings::readString(const std::string& name) {
    auto it = m_strings.find(name);
    if (it == m_strings.end()) return std::nullopt;
    return it->second;
}

ColdHotSettings loadColdHotSettings(SettingsStore& store) {
    ColdHotSettings settings;
    const std::pair<const char*, int*> values[] = {
        {"qs", &settings.qs},     {"coldcs", &settings.coldcs},     {"hotcs", &settings.hotcs},
        {"f_qs", &settings.f_qs}, {"f_coldcs", &settings.f_coldcs}, {"f_hotcs", &settings.f_hotcs}};
    for (auto [name, value] : values) {
        if (!store.readInt(name)) store.writeInt(name, *value);
        *value = store.readInt(name).value_or(*value);
    }
    return settings;
}

TicketPrice loadTicketPrice(SettingsStore& store) {
    TicketPrice price;
    if (const std::optional<int> base = store.readInt("ticketprice"); base && *base >= 1 && *base <= 1000)
        price.base = *base;
    price.addOn = store.readInt("ticketaddon").value_or(0) != 0;
    return price;
}

void saveTicketPrice(SettingsStore& store, const TicketPrice& price) {
    store.writeInt("ticketprice", price.base);
    store.writeInt("ticketaddon", price.addOn ? 1 : 0);
}

}  // namespace lottodesk
