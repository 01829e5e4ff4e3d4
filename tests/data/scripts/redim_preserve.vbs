' Rule: ReDim Preserve enlarges an array and keeps its items; UBound gives the new last index.
' Rule: Join puts the items together with the delimiter.
' Case: "abc" => "2:c-b-a"
' Case: "x" => "0:x"
Function DataUpdated(Data)
  Dim chars(), i
  ReDim chars(-1)
  For i = Len(Data) To 1 Step -1
    ReDim Preserve chars(UBound(chars) + 1)
    chars(UBound(chars)) = Mid(Data, i, 1)
  Next
  DataUpdated = UBound(chars) & ":" & Join(chars, "-")
End Function
