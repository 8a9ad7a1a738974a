#include "ReportComponent.h"

TReportComponent *TReportComponent::Add(std::unique_ptr<TReportComponent> child)
{
    child->Parent = this;
    Children.push_back(std::move(child));
    return Children.back().get();
}
