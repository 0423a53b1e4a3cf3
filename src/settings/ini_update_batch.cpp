#include "ini_update_batch.h"

#include "ex_ini_file.h"

#include <utility>

TIniUpdateBatch::TIniUpdateBatch(TExIniFile& ini) : ini_(&ini) { ini_->BeginBatch(); }

TIniUpdateBatch::~TIniUpdateBatch()
{
    if (!ini_)
        return;
    try {
        ini_->EndBatch();
    } catch (...) {
    }
}

void TIniUpdateBatch::Commit()
{
    if (TExIniFile* ini = std::exchange(ini_, nullptr))
        ini->EndBatch();
}
