#include "gradebook/book/title.h"

#include "common/core/convert.h"
#include "common/core/wire.h"

namespace Cortelle {

TTitle::TTitle(QByteArray text)
{
    Name = Quillon::NextField(text, Quillon::PairSeparator);
    FirstCol = Quillon::StrToInt(Quillon::NextField(text, Quillon::PairSeparator));
    LastCol = Quillon::StrToInt(Quillon::NextField(text, Quillon::PairSeparator));
}

} // namespace Cortelle
