#include "gradebook/export/exportblock.h"

#include <algorithm>

namespace Cortelle {

ExportBlock::ExportBlock(int rows, int cols)
    : m_rows(std::max(rows, 0)), m_cols(std::max(cols, 0)), m_texts(qsizetype(m_rows) * m_cols)
{
}

} // namespace Cortelle
