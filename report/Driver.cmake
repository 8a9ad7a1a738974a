target_sources(norbek_reportwindows PRIVATE
  AfaReport.cpp AfaReport.h
  Form_AfaReport.cpp Form_AfaReport.h
)
