#pragma once
// What a report project renders through: the snapshot writer during a render, the report
// system between renders (which cannot take pages).
class TPageSink;

class TReportEngine
{
public:
    virtual ~TReportEngine() = default;
    // Where the pages of a run go; nullptr when this engine cannot take pages.
    virtual TPageSink *PageSink() = 0;
};
