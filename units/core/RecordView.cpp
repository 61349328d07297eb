#include "units/core/RecordView.h"

std::string RecordView::Text(std::size_t index, std::size_t count) const
{
    std::string text;
    for (std::size_t i = index; i < index + count && Has(i) && m_bytes[i] != 0; ++i)
        text.push_back(static_cast<char>(m_bytes[i]));
    return text;
}
