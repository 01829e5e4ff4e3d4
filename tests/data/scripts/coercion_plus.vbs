' Rule: + joins two texts, but adds when one side is a number: the text is read as a Double.
' Rule: & always joins, showing numbers as text.
' Case: "5" => "55|10|51"
' Case: "1.5" => "1.51.5|6.5|1.51"
' Case: "x" => ERROR
Function DataUpdated(Data)
  Dim n
  n = 5
  DataUpdated = (Data + Data) & "|" & (Data + n) & "|" & Data & 1
End Function
