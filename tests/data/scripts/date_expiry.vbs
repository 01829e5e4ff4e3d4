' Rule: DateAdd("m", n, date) adds whole months; a day past the end of the new month becomes its last day.
' Rule: FormatDateTime(date, vbShortDate) writes M/D/YYYY.
' Case: "1/15/2021" => "7/15/2021"
' Case: "8/31/2021" => "2/28/2022"
' Case: "8/31/2023" => "2/29/2024"
Function DataUpdated(Data)
  DataUpdated = FormatDateTime(DateAdd("m", 6, CDate(Data)), vbShortDate)
End Function
