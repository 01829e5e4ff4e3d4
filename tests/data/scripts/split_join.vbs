' Rule: Split cuts a text at each delimiter into an array starting at 0; UBound gives its last index; Join puts it back together.
' Rule: Splitting the empty text gives an empty array, whose UBound is -1.
' Case: "a,b,c" => "3:c|b|a"
' Case: "solo" => "1:solo"
' Case: "" => "0:"
Function DataUpdated(Data)
  Dim parts, i, s
  parts = Split(Data, ",")
  s = ""
  For i = UBound(parts) To 0 Step -1
    s = s & parts(i)
    If i > 0 Then s = s & "|"
  Next
  DataUpdated = (UBound(parts) + 1) & ":" & s
End Function
