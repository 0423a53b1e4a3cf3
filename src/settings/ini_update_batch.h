#pragma once

class TExIniFile;

// Holds back the writing of the settings file while it lives: the values stored meanwhile stay in
// the component's store and reach the file in one write when the outermost batch ends, so the
// file never holds only some of them. Outside a batch every change is written at once.
//
// End a batch with Commit, which raises the write's error. A batch left without Commit (an error
// is leaving its scope) still writes what was stored so far, as writing through would have done;
// an error of that write is dropped, the one already on its way being the one to report.
class TIniUpdateBatch {
public:
    explicit TIniUpdateBatch(TExIniFile& ini);
    ~TIniUpdateBatch();
    TIniUpdateBatch(const TIniUpdateBatch&) = delete;
    TIniUpdateBatch& operator=(const TIniUpdateBatch&) = delete;

    // Ends the batch. Throws EFCreateError when the file cannot be written; the store keeps the values.
    void Commit();

private:
    TExIniFile* ini_;  // null once ended
};
