' Rule: Select Case compares the subject with each listed value in turn; a Case may list several values.
' Rule: UCase makes the lookup independent of letter case.
' Case: "us" => "United States"
' Case: "GB" => "United Kingdom"
' Case: "UK" => "United Kingdom"
' Case: "de" => "Germany"
' Case: "xx" => "Unknown (XX)"
Function DataUpdated(Data)
  Select Case UCase(Data)
    Case "US"
      DataUpdated = "United States"
    Case "GB", "UK"
      DataUpdated = "United Kingdom"
    Case "DE"
      DataUpdated = "Germany"
    Case Else
      DataUpdated = "Unknown (" & UCase(Data) & ")"
  End Select
End Function
