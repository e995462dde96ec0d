// The network module the editor loads when its fetcher window first opens.

#include "network/sheet_fetcher.h"

extern "C" Q_DECL_EXPORT stylewright::SheetSource *stylewright_make_sheet_source(const QString &prefix)
{
    return new stylewright::SheetFetcher(prefix);
}
