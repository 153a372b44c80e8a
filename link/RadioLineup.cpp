// The plugging of simulated radios into one port, one after another.
#include "link/RadioLineup.h"

#include "codeplug/AddressMap.h"
#include "codeplug/CodePlug.h"
#include "codeplug/HexText.h"

namespace {
constexpr std::size_t kSerialBytes = 15;
}

SimulatedRadio& RadioLineup::Add(const SimulatedRadio& model, const std::string& serial)
{
    m_radios.push_back(model);
    SetSerialNumber(m_radios.back(), serial);
    return m_radios.back();
}

int RadioLineup::PresentIndex(TimePoint now)
{
    if (!m_started) {
        m_started = true;
        m_start = now;
    }
    if (now < m_start || m_radios.empty())
        return -1;
    const Duration turn = m_stay + m_gap;
    const auto elapsed = now - m_start;
    const auto index = static_cast<std::size_t>(elapsed / turn);
    if (index >= m_radios.size() || elapsed - static_cast<long>(index) * turn >= m_stay)
        return -1;
    return static_cast<int>(index);
}

SimulatedRadio* RadioLineup::Present(TimePoint now)
{
    const int index = PresentIndex(now);
    return index < 0 ? nullptr : &m_radios[static_cast<std::size_t>(index)];
}

void RadioLineup::SetSerialNumber(SimulatedRadio& radio, const std::string& serial)
{
    std::string hex = TextToHex(serial.substr(0, kSerialBytes));
    hex.resize(2 * kSerialBytes, 'F');
    CodePlug memory(radio.MemoryHex());
    memory.Write(Addr::kSerialNumber, hex);
    radio.SetMemoryHex(memory.Text());
}
