' Rule: \ divides whole numbers and drops the remainder; Mod gives the remainder with the sign of the dividend.
' Case: "135" => "2:15"
' Case: "59" => "0:59"
' Case: "600" => "10:00"
Function DataUpdated(Data)
  Dim m
  m = CLng(Data)
  DataUpdated = (m \ 60) & ":" & Right("0" & (m Mod 60), 2)
End Function
