' Rule: For Each visits the items of an array in order; CDbl reads each piece as a number.
' Rule: Exit For leaves the loop at once.
' Case: "1;2;3.5" => "6.5"
' Case: "4;stop;100" => "4"
Function DataUpdated(Data)
  Dim item, total
  total = 0
  For Each item In Split(Data, ";")
    If item = "stop" Then Exit For
    total = total + CDbl(item)
  Next
  DataUpdated = total
End Function
