// CZTFCFinalizavel: a document that can be wound up when an error is reported (finalizável: that
// can be wound up).
//
// The framework's TrataErro calls OnFinaliza on the main frame's active document when that
// document is one of these; the framework document implements it (it stops its saving thread and
// tells its views). User-interface thread only.
#pragma once

class CZTFCFinalizavel {
public:
    virtual ~CZTFCFinalizavel() = default;

    // Ends the document's background work after an error.
    virtual void OnFinaliza() = 0;
};
